#include "DumpCommand.h"
#include "DumpDocument.h"

#include "language/complete/CallTips.h"
#include "language/complete/QuickHelp.h"

namespace {

QString hexColour(const QColor& colour) {
    return QStringLiteral("%1").arg(colour.rgb() & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

int dumpCallTip(const QStringList& args) {
    DumpDocument document;
    if (const int failed = OpenAtCaret(document, args, "--calltip"))
        return failed;
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
