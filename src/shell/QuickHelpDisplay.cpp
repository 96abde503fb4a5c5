#include "shell/QuickHelpDisplay.h"

#include "language/complete/QuickHelp.h"
#include "shell/StatusObjects.h"
#include "shell/frmMain.h"

#include <QPointer>

#include <algorithm>

namespace {

constexpr int kPlainWidthTwips = 20000;
constexpr int kPaddingTwips = 240;

unsigned bgrOf(const QColor& colour) {
    return unsigned(colour.blue()) << 16 | unsigned(colour.green()) << 8 | unsigned(colour.red());
}

void drawQuickHelp(frmMain& main, QString& shownText) {
    const QuickHelp& help = quickHelp();
    QuickHelpLine& line = *main.Rtb;
    line.showHelp(help.text(), help.colourStart(), help.colourLength(), bgrOf(help.colour()));
    if (help.text() == shownText)
        return;
    shownText = help.text();
    const int width = std::max(kPlainWidthTwips, int(main.TextWidth(shownText)) + kPaddingTwips);
    line.setWidthTwips(width);
    if (gEdit1Pane)
        gEdit1Pane->setWidth(width);
}

}

void ShowQuickHelpIn(frmMain& main) {
    QObject::connect(&quickHelp(), &QuickHelp::changed, &main, [window = QPointer<frmMain>(&main), shownText = QString()]() mutable {
        if (window)
            drawQuickHelp(*window, shownText);
    });
}
