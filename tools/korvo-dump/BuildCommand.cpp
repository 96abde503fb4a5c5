#include "DumpCommand.h"
#include "DumpDocument.h"

#include "build/ActiveCompiler.h"
#include "build/Compile.h"
#include "build/frmOutput.h"
#include "editor/ActiveDocument.h"
#include "editor/SciWrappers.h"
#include "platform/Prompt.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

namespace {

constexpr int kLongestBuildMs = 120000;

QString escaped(QString text) {
    return text.replace(QLatin1Char('\r'), QStringLiteral("\\r")).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
}

// "L:C" of a position of the current view, both from 1.
QString lineColumn(sptr_t position) {
    const sptr_t line = SciLineFromPosition(position);
    return QStringLiteral("%1:%2").arg(line + 1).arg(position - SciPositionFromLine(line) + 1);
}

platform::PromptAnswer answer(const platform::PromptRequest& request, const QString& executable) {
    if (request.kind == platform::PromptKind::SaveFile) {
        printLine(QStringLiteral("save:") + request.defaultText);
        platform::PromptAnswer chosen;
        chosen.accepted = !executable.isEmpty();
        chosen.text = executable;
        return chosen;
    }
    if (request.kind == platform::PromptKind::MessageBox) {
        printLine(QStringLiteral("selection:") + lineColumn(SciGetSelectionStart()) + QLatin1Char('-')
                  + lineColumn(SciGetSelectionEnd()));
        printLine(QStringLiteral("prompt:") + escaped(request.title) + QLatin1Char('|') + escaped(request.text));
    }
    return platform::defaultAnswer(request);
}

void startBuild(const QString& mode, const QString& file) {
    if (mode == QLatin1String("run"))
        Compile(file, false);
    else if (mode == QLatin1String("debug"))
        Compile(file, true);
    else if (mode == QLatin1String("check"))
        CheckForErrors(file);
    else
        CreateExe(file);
}

// Builds FILE, opened by itself, with the compiler installed in FOLDER and
// prints what the build shows as it shows it.
int dumpBuild(const QStringList& given) {
    QStringList args = given;
    bool missingValue = false;
    const QString commandLine = takeOption(args, QStringLiteral("--args"), &missingValue);
    const QString executable = takeOption(args, QStringLiteral("--exe"), &missingValue);
    const qsizetype compilerAt = args.indexOf(QStringLiteral("--compiler"));
    const QStringList modes{QStringLiteral("run"), QStringLiteral("debug"), QStringLiteral("check"), QStringLiteral("exe")};
    if (missingValue || compilerAt != 2 || args.size() != 5 || !modes.contains(args[0]))
        return kWrongArguments;

    DumpDocument document;
    if (!document.open(args[1], QString()))
        return 1;
    auto compiler = std::make_shared<ClsCompiler>();
    compiler->Name = args[3];
    compiler->Path = QFileInfo(args[4]).absoluteFilePath();
    gActiveCompiler = compiler;
    document.project().Compiler = compiler->Name;
    document.project().CommandLine = commandLine;

    platform::setPromptHandler([&](const platform::PromptRequest& request) { return answer(request, executable); });
    QObject::connect(&OutputWindow(), &frmOutput::textAdded,
                     [](const QString& text) { printLine(QStringLiteral("output:") + escaped(text)); });

    frmDoc& doc = document.doc();
    startBuild(args[0], doc.FullFilename);
    int exitCode = -1;
    if (doc.ShellClass->Running()) {
        QEventLoop loop;
        QObject::connect(doc.ShellClass.get(), &platform::StdShell::ProcessComplete, &loop, [&](int code) {
            exitCode = code;
            loop.quit();
        });
        QTimer::singleShot(kLongestBuildMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    printLine(QStringLiteral("caret:") + lineColumn(SciGetCurrentPos()));
    if (exitCode >= 0)
        printLine(QStringLiteral("complete:%1").arg(exitCode));
    platform::setPromptHandler({});
    return 0;
}

const DumpCommand buildCommand("--build", "run|debug|check|exe FILE.bb --compiler NAME FOLDER [--args TEXT] [--exe OUT]",
                               dumpBuild);

}
