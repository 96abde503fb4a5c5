#include "display/DisplayInput.h"
#include "display/KorvoWindowFixture.h"

#include "platform/dock/DockLayer.h"
#include "platform/dock/DockWindow.h"
#include "shell/frmMain.h"

#include <QGuiApplication>
#include <QImage>
#include <QMenuBar>
#include <QScreen>

namespace {

class LayoutSwitchDisplay : public KorvoWindowTest {
protected:
    // The share of the window's pixels in the rectangle (window coordinates)
    // that the screen shows otherwise than the window draws them now.
    double staleShare(const QRect& area) const {
        const QImage drawn = main->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
        const QRect global(main->mapToGlobal(area.topLeft()), area.size());
        const QImage shown = QGuiApplication::primaryScreen()
                                 ->grabWindow(0, global.x(), global.y(), global.width(), global.height())
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        if (drawn.size() != shown.size())
            return 1.0;
        qint64 differing = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                differing += drawn.pixel(x, y) != shown.pixel(x, y);
        return double(differing) / double(qMax(1, drawn.width() * drawn.height()));
    }

    bool outputShowing() const {
        const dock::DockWindow& output = main->DS->dockWindow(QStringLiteral("Output"));
        return output.isVisible() && !output.visibleRegion().isEmpty();
    }
};

}

TEST_F(LayoutSwitchDisplay, ASwitchBringsTheSavedPanelsBackAndRedrawsWhatItsMenuCovered) {
    chooseFromMenuBar(QStringLiteral("View"), QStringLiteral("Save As Layout 1"));
    chooseFromMenuBar(QStringLiteral("View"), QStringLiteral("Output Window"));
    ASSERT_TRUE(display::waitFor([this] { return !outputShowing(); }));

    chooseFromMenuBar(QStringLiteral("View"), QStringLiteral("Switch To Layout 1"));
    EXPECT_TRUE(display::waitFor([this] { return outputShowing(); })) << "the saved layout's Output window did not come back";
    // Away from the panels, so that no hover changes what is drawn.
    display::movePointer(main->mapToGlobal(QPoint(main->width() / 2, main->menuBar()->height() / 2)) + QPoint(0, 2000));
    // Where the View menu was, below the menu bar.
    const QRect covered(0, main->menuBar()->geometry().bottom() + 1, 260, 420);
    EXPECT_TRUE(display::waitFor([&] { return staleShare(covered) < 0.02; }, 10000))
        << "the screen still shows the closed menu: " << staleShare(covered) * 100 << "% of its place";
    shot();
}
