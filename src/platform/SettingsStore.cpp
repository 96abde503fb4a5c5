#include "platform/SettingsStore.h"

#include "platform/AnsiText.h"
#include "platform/AtomicFileWrite.h"

#include <QDir>
#include <QFileInfo>

namespace platform {
namespace {

struct Section {
    QString name;
    SettingPairs values;
};
using Store = QList<Section>;

// Names and values may hold any character; the few that the INI shape needs
// are written as %XX.
QString escape(const QString& text, const QString& special) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('%') || c == QLatin1Char('\n') || c == QLatin1Char('\r') || special.contains(c))
            out += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            out += c;
    }
    return out;
}

QString unescape(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        bool ok = false;
        if (text[i] == QLatin1Char('%') && i + 2 < text.size()) {
            const int code = text.mid(i + 1, 2).toInt(&ok, 16);
            if (ok) {
                out += QChar(code);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

Store load() {
    Store store;
    QByteArray bytes;
    if (!readFileBytes(settingsFilePath(), bytes))
        return store;
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            store.append({unescape(line.mid(1, line.size() - 2)), {}});
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || store.isEmpty())
            continue;
        store.last().values.append({unescape(line.left(eq)), unescape(line.mid(eq + 1))});
    }
    return store;
}

void save(const Store& store) {
    QString text;
    for (const Section& section : store) {
        if (section.values.isEmpty())
            continue;
        text += QLatin1Char('[') + escape(section.name, QStringLiteral("[]")) + QStringLiteral("]\n");
        for (const auto& [key, value] : section.values)
            text += escape(key, QStringLiteral("=[")) + QLatin1Char('=') + escape(value, QString()) + QLatin1Char('\n');
        text += QLatin1Char('\n');
    }
    const QString path = settingsFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Told once, not at every setting, while the disk keeps refusing.
    static bool failing = false;
    const bool failed = !writeFileBytesAtomically(path, text.toUtf8());
    if (failed && !failing)
        ShowWriteFailure(path);
    failing = failed;
}

// The store of the open batch: read once when it opened, written once when it closes.
struct Batch {
    int depth = 0;
    Store store;
    bool changed = false;
};

Batch& openBatch() {
    static Batch batch;
    return batch;
}

// The store to read or change: the open batch's, else the file's as it is now.
Store& currentStore(Store& local) {
    if (openBatch().depth > 0)
        return openBatch().store;
    local = load();
    return local;
}

// A changed store goes to the file, or waits for the batch to close.
void changed(const Store& store) {
    if (openBatch().depth > 0)
        openBatch().changed = true;
    else
        save(store);
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

Section* findSection(Store& store, const QString& name) {
    for (Section& section : store)
        if (sameName(section.name, name))
            return &section;
    return nullptr;
}

qsizetype findKey(const SettingPairs& values, const QString& key) {
    for (qsizetype i = 0; i < values.size(); ++i)
        if (sameName(values[i].first, key))
            return i;
    return -1;
}

}

QString settingsFilePath() {
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/Korvo/Korvo.ini");
}

SettingsBatch::SettingsBatch() {
    if (openBatch().depth++ == 0) {
        openBatch().store = load();
        openBatch().changed = false;
    }
}

SettingsBatch::~SettingsBatch() {
    if (--openBatch().depth > 0)
        return;
    if (openBatch().changed)
        save(openBatch().store);
    openBatch().store.clear();
    openBatch().changed = false;
}

QString GetSetting(const QString& section, const QString& key, const QString& defaultValue) {
    Store local;
    Store& store = currentStore(local);
    const Section* found = findSection(store, section);
    if (!found)
        return defaultValue;
    const qsizetype i = findKey(found->values, key);
    return i < 0 ? defaultValue : found->values[i].second;
}

void SaveSetting(const QString& section, const QString& key, const QString& value) {
    Store local;
    Store& store = currentStore(local);
    Section* found = findSection(store, section);
    if (!found) {
        store.append({section, {}});
        found = &store.last();
    }
    const qsizetype i = findKey(found->values, key);
    if (i < 0)
        found->values.append({key, value});
    else
        found->values[i].second = value;
    changed(store);
}

void DeleteSetting(const QString& section) {
    Store local;
    Store& store = currentStore(local);
    store.removeIf([&](const Section& s) { return sameName(s.name, section); });
    changed(store);
}

void DeleteSetting(const QString& section, const QString& key) {
    Store local;
    Store& store = currentStore(local);
    if (Section* found = findSection(store, section)) {
        const qsizetype i = findKey(found->values, key);
        if (i >= 0) {
            found->values.removeAt(i);
            changed(store);
        }
    }
}

SectionValues::SectionValues(const QString& section) {
    for (const auto& [key, value] : GetAllSettings(section))
        byUpperKey_.insert(key.toUpper(), value);
}

QString SectionValues::value(const QString& key, const QString& defaultValue) const {
    return byUpperKey_.value(key.toUpper(), defaultValue);
}

void ReplaceSection(const QString& section, const SettingPairs& values) {
    Store local;
    Store& store = currentStore(local);
    store.removeIf([&](const Section& s) { return sameName(s.name, section); });
    store.append({section, values});
    changed(store);
}

SettingPairs GetAllSettings(const QString& section) {
    Store local;
    Store& store = currentStore(local);
    const Section* found = findSection(store, section);
    return found ? found->values : SettingPairs{};
}

}
