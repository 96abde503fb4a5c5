#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

// Korvo's per-user settings: string values by section and key, kept as INI
// text in $XDG_CONFIG_HOME/Korvo/Korvo.ini. Section and key names compare
// without case; a section lists its keys in the order they were first written.
// Each change rewrites the file atomically, or, while a SettingsBatch is open,
// once when the outermost batch closes.
namespace platform {

using SettingPairs = QList<QPair<QString, QString>>;

QString settingsFilePath();

// While one is open (they nest), settings are read from what the file held
// when the outermost one opened and changes stay in memory; closing the
// outermost writes the file once, when anything changed.
class SettingsBatch {
public:
    SettingsBatch();
    ~SettingsBatch();
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;
};

QString GetSetting(const QString& section, const QString& key, const QString& defaultValue = QString());
void SaveSetting(const QString& section, const QString& key, const QString& value);
void DeleteSetting(const QString& section);
void DeleteSetting(const QString& section, const QString& key);
SettingPairs GetAllSettings(const QString& section);
// A section read once, for looking up many of its keys.
class SectionValues {
public:
    explicit SectionValues(const QString& section);
    QString value(const QString& key, const QString& defaultValue = QString()) const;

private:
    QHash<QString, QString> byUpperKey_;
};

// Replaces a whole section's values in one write.
void ReplaceSection(const QString& section, const SettingPairs& values);

}
