#include "DumpCommand.h"
#include "../support/HeadlessKorvo.h"

#include "build/ExternalTools.h"
#include "build/RunExternalTool.h"
#include "../support/OpenedDocument.h"
#include "platform/AnsiText.h"
#include "platform/DetachedStart.h"

#include <QFileInfo>


namespace {

// Prints the tools of conf/ExTools.dat in KORVO_HOME, then saves them back.
int dumpTools(const QStringList& args) {
    if (!args.isEmpty())
        return kWrongArguments;
    StartHeadlessKorvo();
    LoadExternalTools();
    for (const ExToolPtr& tool : gExternalTools.NewEnum())
        printLine(QStringLiteral("tool:%1|%2|%3|%4")
                      .arg(tool->Caption, tool->Path, tool->Parameters, QString::number(tool->AskForConfirmation)));
    SaveExternalTools();
    return 0;
}

// Runs a tool of conf/ExTools.dat, with FILE as the active document when
// given, and prints what it would start instead of starting it.
int dumpTool(const QStringList& args) {
    const bool withActive = args.size() == 3 && args[1] == QLatin1String("--active");
    if (args.size() != 1 && !withActive)
        return kWrongArguments;
    StartHeadlessKorvo();
    LoadExternalTools();
    OpenedDocument active;
    if (withActive)
        active = OpenSourceFile(QFileInfo(args[2]).absoluteFilePath());
    bool started = false;
    platform::setDetachedStartHandler([&](const platform::ChildProcess& command) {
        printLine(QStringLiteral("program:") + command.program);
        for (const QString& argument : command.arguments)
            printLine(QStringLiteral("argument:") + argument);
        started = true;
        return true;
    });
    RunExternalTool(args[0]);
    return started ? 0 : 1;
}

const DumpCommand toolsCommand("--tools", "", dumpTools);
const DumpCommand toolCommand("--tool", "CAPTION [--active FILE]", dumpTool);

}
