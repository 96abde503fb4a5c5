#include "explorer/HelpPages.h"

#include "build/ActiveCompiler.h"

#include <QDir>
#include <QFileInfo>

namespace {

const char* const kCommandFolders[] = {"/commands/2d_commands/", "/commands/3d_commands/", "/commands/gui_commands/"};

struct FixedTitle {
    const char* page;
    const char* title;
};

const FixedTitle kFixedTitles[] = {
    {"/index.html", "Home"},
    {"/commands/index.htm", "Command Ref."},
    {"/commands/command_list.htm", "Command Ref."},
    {"/commands/main.htm", "Command Ref."},
    {"/commands/ascii.htm", "ASCII Codes"},
    {"/commands/scancode/keyboard.htm", "Scancodes Picker"},
};

QString fileInFolder(const QString& folder, const QString& name) {
    if (QFileInfo(folder + name).isFile())
        return folder + name;
    QString found;
    for (const QString& entry : QDir(folder).entryList(QDir::Files)) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (!found.isEmpty())
            return QString();  // two candidates: neither is the page
        found = folder + entry;
    }
    return found;
}

}

QString ActiveHelpFolder() {
    if (!gActiveCompiler)
        return QString();
    QString folder = gActiveCompiler->HelpPath;
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

QString GetBBHelpTitle(const QString& helpFolder, const QString& sFilename) {
    const QString rest = sFilename.mid(helpFolder.size());
    for (const FixedTitle& fixed : kFixedTitles)
        if (rest == QLatin1String(fixed.page))
            return QString::fromLatin1(fixed.title);
    const QString name = sFilename.mid(sFilename.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 1)
        return name;
    return name.left(1).toUpper() + name.mid(1, dot - 1);
}

QString KeywordHelpFile(const QString& helpFolder, const QString& keyword) {
    if (keyword.isEmpty() || keyword.contains(QLatin1Char('/')) || keyword.contains(QLatin1Char('\\')) ||
        keyword.contains(QLatin1String("..")))
        return QString();
    for (const char* folder : kCommandFolders) {
        const QString page = fileInFolder(helpFolder + QLatin1String(folder), keyword + QLatin1String(".htm"));
        if (!page.isEmpty())
            return page;
    }
    return QString();
}

QString KeywordHelpPage(const QString& helpFolder, const QString& keyword, int ifNoHelpFound) {
    const QString page = KeywordHelpFile(helpFolder, keyword);
    if (!page.isEmpty())
        return page;
    switch (ifNoHelpFound) {
    case 0: return QString();
    case 1: return helpFolder + QStringLiteral("/index.html");
    default: return helpFolder + QStringLiteral("/commands/index.htm");
    }
}
