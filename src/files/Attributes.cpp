#include "files/Attributes.h"

#include "platform/AnsiText.h"

#include <limits>

namespace {

const QChar kQuote(u'"');

// Reads a quoted value that starts after its opening quote; at returns past
// the closing quote. Nothing when the value never closes.
std::optional<QString> readQuoted(const QString& line, qsizetype& at) {
    QString value;
    for (;;) {
        const qsizetype quote = line.indexOf(kQuote, at);
        if (quote < 0)
            return std::nullopt;
        value += QStringView(line).mid(at, quote - at);
        at = quote + 1;
        if (at >= line.size() || line[at] != kQuote)
            return value;
        value += kQuote;
        ++at;
    }
}

}

QString FormatAttribute(const QString& key, const QString& value) {
    QString doubled = value;
    doubled.replace(kQuote, QStringLiteral("\"\""));
    return QLatin1Char(' ') + key + QStringLiteral("=\"") + doubled + kQuote;
}

QString FormatAttribute(const QString& key, bool value) {
    return FormatAttribute(key, value ? QStringLiteral("True") : QStringLiteral("False"));
}

QString FormatAttribute(const QString& key, long value) {
    return FormatAttribute(key, QString::number(value));
}

QString GetAttribute(const QString& line, const QString& key) {
    qsizetype at = 0;
    while (at < line.size()) {
        while (at < line.size() && line[at] == QLatin1Char(' '))
            ++at;
        const qsizetype equals = line.indexOf(QLatin1Char('='), at);
        if (equals < 0 || equals + 1 >= line.size() || line[equals + 1] != kQuote)
            return QString();
        const QString name = line.mid(at, equals - at);
        at = equals + 2;
        const std::optional<QString> value = readQuoted(line, at);
        if (!value)
            return QString();
        if (name == key)
            return *value;
    }
    return QString();
}

std::optional<bool> ReadBoolean(const QString& text) {
    const QString word = text.trimmed();
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const std::optional<long> number = ReadNumber(word))
        return *number != 0;
    return std::nullopt;
}

std::optional<long> ReadNumber(const QString& text) {
    const QString digits = text.trimmed();
    bool ok = false;
    const qlonglong number = digits.toLongLong(&ok, 10);
    if (!ok || number < std::numeric_limits<qint32>::min() || number > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return long(number);
}

std::optional<QStringList> SectionLines(const QStringList& lines, qsizetype& at) {
    const QString closer = QStringLiteral("</") + lines[at].mid(1);
    QStringList section;
    for (++at; at < lines.size(); ++at) {
        if (lines[at] == closer)
            return section;
        section.append(lines[at]);
    }
    return std::nullopt;
}

QByteArray EncodeAttributeLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return platform::fitsAnsi(text) ? platform::toAnsi(text) : text.toUtf8();
}

QStringList DecodeAttributeLines(const QByteArray& bytes) {
    QStringList lines = platform::fromUtf8OrAnsi(bytes).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    return lines;
}
