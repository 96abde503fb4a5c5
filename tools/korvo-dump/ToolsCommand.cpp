#include "DumpCommand.h"
#include "../support/HeadlessKorvo.h"

#include "build/ExternalTools.h"
#include "build/RunExternalTool.h"
#include "files/SingleFileDocument.h"
#include "platform/AnsiText.h"
#include "platform/DetachedStart.h"

#include <QFileInfo>

#include <cstdio>

namespace {

// Prints the tools of conf/ExTools.dat in KORVO_HOME, then saves them back.
int dumpTools(const QStringList& args) {
    if (!args.isEmpty()) {
        std::fprintf(stderr, "korvo-dump --tools: takes no arguments\n");
        return 2;
    }
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
    if (args.size() != 1 && !withActive) {
        std::fprintf(stderr, "korvo-dump --tool: give a tool's caption, and --active FILE or nothing\n");
        return 2;
    }
    StartHeadlessKorvo();
    LoadExternalTools();
    std::unique_ptr<frmDoc> active;
    if (withActive) {
        const QString path = QFileInfo(args[2]).absoluteFilePath();
        QByteArray text;
        platform::readFileBytes(path, text);
        active = OpenSingleFileDocument(path, text);
    }
    bool started = false;
    platform::setDetachedStartHandler([&](const platform::ChildProcess& command) {
        printLine(QStringLiteral("program:") + command.program);
        for (const QString& argument : command.arguments)
            printLine(QStringLiteral("argument:") + argument);
        started = true;
        return true;
    });
    RunExternalTool(args[0]);
    CloseSingleFileDocument(std::move(active));
    return started ? 0 : 1;
}

const DumpCommand toolsCommand("--tools", "", dumpTools);
const DumpCommand toolCommand("--tool", "CAPTION [--active FILE]", dumpTool);

}
