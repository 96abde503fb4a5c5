#include "display/DisplayInput.h"
#include "display/KorvoWindowFixture.h"

#include "platform/dock/DockLayer.h"
#include "platform/dock/DockWindow.h"
#include "shell/frmMain.h"

using DockPanelsDisplay = KorvoWindowTest;

TEST_F(DockPanelsDisplay, ViewRaisesAPanelHiddenBehindAnotherTabAndHidesItWhenShown) {
    QWidget* snippets = showPanel(QStringLiteral("Snippets"));
    QWidget* explorer = showPanel(QStringLiteral("CodeExplorer"));
    ASSERT_TRUE(snippets && explorer);
    dock::DockWindow& window = main->DS->dockWindow(QStringLiteral("Snippets"));
    ASSERT_TRUE(main->tabifiedDockWidgets(&window).contains(&main->DS->dockWindow(QStringLiteral("CodeExplorer"))))
        << "the default layout no longer puts Snippets behind Code Explorer";
    ASSERT_TRUE(display::waitFor([snippets] { return snippets->visibleRegion().isEmpty(); }));

    chooseFromMenuBar(QStringLiteral("View"), QStringLiteral("Snippets Manager"));
    EXPECT_TRUE(display::waitFor([snippets] { return snippets->isVisible() && !snippets->visibleRegion().isEmpty(); }))
        << "Snippets stayed behind Code Explorer";
    shot();

    chooseFromMenuBar(QStringLiteral("View"), QStringLiteral("Snippets Manager"));
    EXPECT_TRUE(display::waitFor([&window] { return !window.isVisible(); }));
}
