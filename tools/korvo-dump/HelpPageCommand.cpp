#include "DumpCommand.h"
#include "../support/HeadlessKorvo.h"

#include "build/ActiveCompiler.h"
#include "build/CompilerList.h"
#include "build/CompilerListFile.h"
#include "explorer/HelpPages.h"
#include "explorer/frmBrowser.h"
#include "explorer/frmMainHelp.h"
#include "platform/browser/WebBrowser.h"
#include "platform/dock/DockLayer.h"
#include "vocabulary/SettingsValues.h"

#include <QFileInfo>

namespace {

bool chooseHelpFolder(const QString& folder) {
    if (!folder.isEmpty()) {
        auto compiler = std::make_shared<ClsCompiler>();
        compiler->Name = QStringLiteral("help");
        compiler->HelpPath = QFileInfo(folder).absoluteFilePath();
        gActiveCompiler = compiler;
        return true;
    }
    if (QFileInfo::exists(CompilerListPath()) && LoadCompilers())
        SetActiveCompiler(DefaultCompiler);
    return gActiveCompiler != nullptr;
}

// The page keyword help opens for WORD and its title; then, shown in a
// help tab, the tab's caption and the frames of a frameset.
int dumpHelpPage(const QStringList& args) {
    if (args.isEmpty() || args.size() % 2 == 0)
        return kWrongArguments;
    StartHeadlessKorvo();
    QString folder;
    for (qsizetype i = 1; i < args.size(); i += 2) {
        bool ok = true;
        if (args[i] == QLatin1String("--help-folder"))
            folder = args[i + 1];
        else if (args[i] == QLatin1String("--if-no-help"))
            IFNoHelpFound = args[i + 1].toInt(&ok);
        else
            return kWrongArguments;
        if (!ok)
            return kWrongArguments;
    }
    if (!chooseHelpFolder(folder)) {
        printLine(QStringLiteral("none"));
        return 1;
    }
    const QString page = KeywordHelpPage(ActiveHelpFolder(), args[0], IFNoHelpFound);
    if (page.isEmpty()) {
        printLine(QStringLiteral("none"));
        return 1;
    }
    printLine(QStringLiteral("page ") + page);
    printLine(QStringLiteral("title ") + GetBBHelpTitle(ActiveHelpFolder(), page));

    frmMainHelp help(false);
    if (!help.ShowBrowserHelp(args[0]) || !help.ActiveTab())
        return 1;
    const frmBrowser& tab = *help.ActiveTab();
    printLine(QStringLiteral("caption ") + help.TabCaption(tab));
    for (const auto& [name, address] : tab.Browser->frames())
        printLine(QStringLiteral("frame %1 %2").arg(name, address));
    return 0;
}

const DumpCommand helpPageCommand("--help-page", "WORD [--help-folder DIR] [--if-no-help N]", dumpHelpPage);

}
