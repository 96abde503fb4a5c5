#include "foundation/Mru.h"

#include "platform/Prompt.h"
#include "platform/SettingsStore.h"

qsizetype ClsMRU::find(const QString& File) const {
    const QString key = File.toUpper();
    for (qsizetype i = 0; i < entries_.size(); ++i)
        if (entries_[i].toUpper() == key)
            return i;
    return -1;
}

void ClsMRU::Add(const QString& File) {
    if (entries_.isEmpty()) {
        entries_.append(File);
        return;
    }
    if (asFavorites_) {
        if (entries_.size() >= number_) {
            platform::MsgBox(QStringLiteral("Maximum number of files reached !\r\nFile is not added to the list."),
                             platform::vbCritical);
            return;
        }
        if (find(File) < 0)
            entries_.append(File);
        return;
    }
    Remove(File);
    entries_.prepend(File);
    if (entries_.size() > number_)
        entries_.removeLast();
}

void ClsMRU::Clear() {
    entries_.clear();
}

int ClsMRU::Count() const {
    return int(entries_.size());
}

QString ClsMRU::IndexItem(int i) const {
    return entries_.value(i - 1);
}

void ClsMRU::Load() {
    const platform::SettingPairs values = platform::GetAllSettings(section());
    if (values.isEmpty())
        return;
    entries_.clear();
    // A hand-edited section may hold the same entry twice; the first one counts.
    for (const auto& value : values)
        if (find(value.second) < 0)
            entries_.append(value.second);
}

void ClsMRU::Remove(const QString& File) {
    const qsizetype i = find(File);
    if (i >= 0)
        entries_.removeAt(i);
}

void ClsMRU::Save() const {
    platform::SettingPairs values;
    for (qsizetype i = 0; i < entries_.size(); ++i)
        values.append({QString::number(i + 1), entries_[i]});
    platform::ReplaceSection(section(), values);
}
