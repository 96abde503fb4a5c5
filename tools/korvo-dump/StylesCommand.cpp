#include "DumpCommand.h"
#include "DumpDocument.h"

#include "editor/SciWrappers.h"
#include "language/colour/Colouring.h"
#include "language/colour/ColouringFlags.h"
#include "vocabulary/StyleNumbers.h"
#include "language/parser/ParseState.h"
#include "platform/AnsiText.h"

#include <cstdio>

namespace {

// Each line's runs of one style, line ends left out.
void printRuns() {
    const long lines = SciGetLineCount();
    for (long line = 0; line < lines; ++line) {
        const long start = SciPositionFromLine(line);
        const long end = SciGetLineEndPosition(line);
        long run = start;
        for (long position = start; position < end; ++position) {
            const long style = SciGetStyleAt(position);
            if (position + 1 < end && SciGetStyleAt(position + 1) == style)
                continue;
            gTextRange.cpMin = run;
            gTextRange.cpMax = position + 1;
            SciGetTextRange(gTextRange);
            printLine(QStringLiteral("%1 %2 %3 %4").arg(line).arg(run - start).arg(style).arg(platform::fromAnsi(gTextRange.lpstrText)));
            run = position + 1;
        }
    }
}

int dumpStyles(const QStringList& arguments) {
    QStringList args = arguments;
    bool missing = false;
    const QString keywords = takeOption(args, QStringLiteral("--lng"), &missing);
    const QString caret = takeOption(args, QStringLiteral("--caret"), &missing);
    const bool strict = takeFlag(args, QStringLiteral("--strict"));
    if (args.size() != 1 || missing)
        return kWrongArguments;
    DumpDocument document;
    if (!document.open(args[0], keywords, [strict] { gStrictModeStyle = strict ? STYLE_Bad : STYLE_Text; }))
        return 1;
    const long caretPosition = caret.isEmpty() ? 0 : PositionOfLineColumn(caret);
    if (caretPosition < 0) {
        std::fprintf(stderr, "korvo-dump --styles: no position %s\n", caret.toUtf8().constData());
        return 2;
    }
    // Moving the caret lays out the line it lands on; loading left it at the top.
    if (SciGetCurrentPos() != caretPosition)
        SciGotoPos(caretPosition);
    // As a whole-document loop colours: in order from the top.
    gCurrentFunction.clear();
    gCurrentType.clear();
    const long lines = SciGetLineCount();
    for (long line = 0; line < lines; ++line)
        ColorLineLight(static_cast<int>(line), true);
    if (!caret.isEmpty())
        ColorCurrentLine(static_cast<int>(SciLineFromPosition(caretPosition)), false);
    printRuns();
    return 0;
}

const DumpCommand stylesCommand("--styles", "FILE.bb [--lng KEYWORDS] [--strict] [--caret LINE:COLUMN]   each line's runs of one style",
                                dumpStyles);

}
