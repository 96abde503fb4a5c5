#include "files/RecentFilesProjects.h"

#include "foundation/errors/ErrorLog.h"
#include "foundation/FileHelpers.h"
#include "platform/Host.h"
#include "platform/KorvoError.h"
#include "platform/SettingsStore.h"
#include "vocabulary/SettingsValues.h"

namespace {

const QString kFilesCommand = QStringLiteral("FileRecentFiles");
const QString kProjectsCommand = QStringLiteral("FileRecentProjects");
const QString kFilesSection = QStringLiteral("RecentFilenames");
const QString kProjectsSection = QStringLiteral("RecentProjects");

// Each item shows its path or file name and keeps its path as its key.
void loadMenu(const QString& commandKey, const QString& section) {
    if (!platform::host().hasCommand(commandKey))
        RaiseError(ErrObjectRequired, QStringLiteral("Object required: ") + commandKey);
    const platform::SectionValues values(section);
    // A 16-bit count, as the list was always written, bounds what a
    // hand-edited value can ask for.
    bool ok = false;
    const short count = values.value(QStringLiteral("COUNT"), QStringLiteral("0")).trimmed().toShort(&ok);
    if (!ok)
        RaiseTypeMismatch();
    QList<platform::CommandListItem> items;
    for (int i = 1; i <= count; ++i) {
        const QString path = values.value(QString::number(i));
        items.append({gShowRecentFull == 1 ? path : GetFileName(path), path});
    }
    platform::host().setCommandListItems(commandKey, items);
}

void saveMenu(const QString& commandKey, const QString& section) {
    if (!platform::host().hasCommand(commandKey))
        return;
    const QList<platform::CommandListItem> items = platform::host().commandListItems(commandKey);
    for (int position = 1; position <= items.size(); ++position)
        platform::SaveSetting(section, QString::number(position), items[position - 1].key);
    platform::SaveSetting(section, QStringLiteral("Count"), QString::number(items.size()));
}

}

void LoadRecentFilesProjects() {
    try {
        loadMenu(kFilesCommand, kFilesSection);
        loadMenu(kProjectsCommand, kProjectsSection);
    } catch (...) {
        SetErrorLog(QStringLiteral("LoadRecentFilesProjects"), QStringLiteral("Mod_File"));
    }
}

void SaveRecentFilesProjects() {
    platform::DeleteSetting(kFilesSection);
    saveMenu(kFilesCommand, kFilesSection);
    // Only the files section is cleared first: values of the projects section
    // above its new "Count" are never read.
    saveMenu(kProjectsCommand, kProjectsSection);
}

namespace {

void addRecent(const QString& commandKey, const QString& path) {
    QList<platform::CommandListItem> items = platform::host().commandListItems(commandKey);
    items.removeIf([&](const platform::CommandListItem& item) { return item.key == path; });
    items.prepend({gShowRecentFull == 1 ? path : GetFileName(path), path});
    platform::host().setCommandListItems(commandKey, items);
}

}

void AddRecentFile(const QString& path) {
    addRecent(kFilesCommand, path);
}

void AddRecentProject(const QString& path) {
    addRecent(kProjectsCommand, path);
}
