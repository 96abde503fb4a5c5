#include "files/RecentFilesProjects.h"

#include "foundation/errors/ErrorLog.h"
#include "foundation/FileHelpers.h"
#include "platform/KorvoError.h"
#include "platform/SettingsStore.h"
#include "vocabulary/SettingsValues.h"
#include "shell/RecentMenu.h"

namespace {

const QString kFilesCommand = QStringLiteral("FileRecentFiles");
const QString kProjectsCommand = QStringLiteral("FileRecentProjects");
const QString kFilesSection = QStringLiteral("RecentFilenames");
const QString kProjectsSection = QStringLiteral("RecentProjects");

RecentMenu& menuOrRaise(const QString& commandKey) {
    RecentMenu* menu = findRecentMenu(commandKey);
    if (!menu)
        RaiseError(ErrObjectRequired, QStringLiteral("Object required: ") + commandKey);
    return *menu;
}

void loadMenu(const QString& commandKey, const QString& section) {
    RecentMenu& menu = menuOrRaise(commandKey);
    const platform::SectionValues values(section);
    // A 16-bit count, as the list was always written, bounds what a
    // hand-edited value can ask for.
    bool ok = false;
    const short count = values.value(QStringLiteral("COUNT"), QStringLiteral("0")).trimmed().toShort(&ok);
    if (!ok)
        RaiseTypeMismatch();
    menu.RemoveAll();
    for (int i = 1; i <= count; ++i) {
        const QString path = values.value(QString::number(i));
        menu.AddItem(gShowRecentFull == 1 ? path : GetFileName(path), path);
    }
}

void saveMenu(const QString& commandKey, const QString& section) {
    RecentMenu* menu = findRecentMenu(commandKey);
    if (!menu)
        return;
    for (int position = 1; position <= menu->Count(); ++position)
        platform::SaveSetting(section, QString::number(position), menu->ItemPath(position));
    platform::SaveSetting(section, QStringLiteral("Count"), QString::number(menu->Count()));
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
