#include "DumpCommand.h"
#include "DumpDocument.h"

#include "editor/SciWrappers.h"
#include "language/complete/CallTips.h"
#include "language/complete/QuickHelp.h"

#include <cstdio>

namespace {

QString hexColour(const QColor& colour) {
    return QStringLiteral("%1").arg(colour.rgb() & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

int dumpCallTip(const QStringList& arguments) {
    QStringList args = arguments;
    bool missing = false;
    const QString keywords = takeOption(args, QStringLiteral("--lng"), &missing);
    if (args.size() != 2 || missing)
        return kWrongArguments;
    DumpDocument document;
    if (!document.open(args[0], keywords))
        return 1;
    const long caret = PositionOfLineColumn(args[1]);
    if (caret < 0) {
        std::fprintf(stderr, "korvo-dump --calltip: no position %s\n", args[1].toUtf8().constData());
        return 2;
    }
    SciGotoPos(caret);
    ShowCalltip();
    const ShownCallTip& tip = LastCallTip();
    if (!tip.text.isEmpty()) {
        printLine(QStringLiteral("tip ") + tip.text);
        printLine(QStringLiteral("highlight %1 %2").arg(tip.highlightStart).arg(tip.highlightEnd));
    }
    const QuickHelp& help = quickHelp();
    if (!help.text().isEmpty())
        printLine(QStringLiteral("quickhelp ") + help.text());
    if (help.colourLength() > 0)
        printLine(QStringLiteral("colour %1 %2 ").arg(help.colourStart()).arg(help.colourLength()) + hexColour(help.colour()));
    return 0;
}

const DumpCommand callTipCommand("--calltip", "FILE.bb LINE:COLUMN [--lng KEYWORDS]   the call tip and quick-help line shown there",
                                 dumpCallTip);

}
