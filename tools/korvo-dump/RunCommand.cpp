#include "DumpCommand.h"
#include "DumpDocument.h"
#include "HeadlessMainWindow.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "files/CommandLineFiles.h"
#include "platform/AnsiText.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QRegularExpression>

#include <cstdio>
#include <memory>

namespace {

bool isCaretStep(const QString& arg) {
    static const QRegularExpression lineColumn(QStringLiteral("^@?\\d+:\\d+$"));
    return lineColumn.match(arg).hasMatch();
}

bool runStep(frmMain& main, const QString& step) {
    if (isCaretStep(step)) {
        const long position = IsEditorActive() ? PositionOfLineColumn(step.mid(step.startsWith(QLatin1Char('@')) ? 1 : 0)) : -1;
        if (position < 0) {
            std::fprintf(stderr, "korvo-dump --run: no position %s\n", step.toUtf8().constData());
            return false;
        }
        SciGotoPos(position);
        return true;
    }
    if (dock::Command* command = main.DS->findCommand(step)) {
        main.DS->click(*command);
    } else {
        dock::CommandData data;
        data.key = step;
        dock::Command unknown(data, nullptr);
        main.DS_CommandClick(unknown);
    }
    return true;
}

void printState(frmMain& main) {
    if (IsEditorActive()) {
        gTextRange.cpMin = 0;
        gTextRange.cpMax = -1;
        SciGetTextRange(gTextRange);
        printLine(QStringLiteral("text ") + shownLineEnds(platform::fromAnsi(gTextRange.lpstrText)));
        const sptr_t caret = SciGetCurrentPos();
        const sptr_t line = SciLineFromPosition(caret);
        printLine(QStringLiteral("caret %1:%2").arg(line).arg(caret - SciPositionFromLine(line)));
        for (sptr_t i = 0; i < SciGetLineCount(); ++i)
            printLine(QStringLiteral("markers %1 %2").arg(i).arg(quint32(SciMarkerGet(i))));
    }
    if (const dock::DocumentWindow* window = main.DS->documents().active())
        printLine(QStringLiteral("caption ") + window->caption());
    for (const dock::Command* command : main.DS->commands())
        if (command->checked())
            printLine(QStringLiteral("checked ") + command->key());
}

// Korvo's main window headless with FILE open as the command line opens it;
// each step moves the caret or clicks a command; then what it left. FILE is
// never written: the documents are marked unchanged before the shutdown.
int dumpRun(const QStringList& arguments) {
    QStringList args = arguments;
    bool missing = false;
    const QString keywords = takeOption(args, QStringLiteral("--lng"), &missing);
    // "--caret LINE:COLUMN", as --styles takes it, is the step LINE:COLUMN.
    args.removeAll(QStringLiteral("--caret"));
    if (args.isEmpty() || missing)
        return kWrongArguments;
    HeadlessMainWindow window;
    if (!window.start(keywords, "--run"))
        return 1;
    frmMain& main = window.main();
    OpenFilesFromCommand(JoinCommandLine({args.takeFirst()}));
    if (!IsEditorActive())
        return 1;
    for (const QString& step : std::as_const(args))
        if (!runStep(main, step))
            return 2;
    printState(main);
    return 0;
}

const DumpCommand runCommand("--run", "FILE.bb [--lng KEYWORDS] [@LINE:COLUMN | --caret LINE:COLUMN | KEY]...   "
                                      "the text, caret, markers, caption and checked commands after the steps",
                             dumpRun);

}
