#include "display/DisplayInput.h"
#include "display/KorvoWindowFixture.h"

#include "explorer/HelpBrowser.h"
#include "explorer/frmBrowser.h"
#include "explorer/frmMainHelp.h"
#include "platform/dock/DockLayer.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTabBar>
#include <QTextBrowser>

namespace {

class HelpWindowDisplay : public KorvoWindowTest {
protected:
    void SetUp() override {
        KorvoWindowTest::SetUp();
        if (HasFatalFailure())
            return;
        help = HelpForm();
        ASSERT_TRUE(help) << "the help window did not open at start";
        help->AddNewHelpTab();
        help->AddNewHelpTab();
        tabs = help->DSHelp->documents().findChild<QTabBar*>();
        ASSERT_TRUE(tabs);
        ASSERT_TRUE(display::waitFor([this] { return tabs->isVisible() && tabs->count() == 2; }));
    }

    frmMainHelp* help = nullptr;
    QTabBar* tabs = nullptr;
};

}

TEST_F(HelpWindowDisplay, ARightClickOnATabsCaptionShowsItsPopupForThatTab) {
    ASSERT_TRUE(display::rightClick(*tabs, tabs->tabRect(0).center()));
    QMenu* menu = openPopup();
    ASSERT_TRUE(menu) << "no popup menu showed";
    QStringList captions;
    for (QAction* action : menu->actions())
        if (action->isVisible() && !action->isSeparator())
            captions.append(action->text().remove(QLatin1Char('&')));
    EXPECT_TRUE(captions.contains(QStringLiteral("Close All"))) << captions.join(QLatin1String(", ")).toStdString();
    EXPECT_EQ(help->ActiveTab(), help->DSHelp->documents().windows().first()->form());
    shot();
    closePopup();

    // A double click on a caption closes that tab.
    ASSERT_TRUE(display::doubleClick(*tabs, tabs->tabRect(1).center()));
    EXPECT_TRUE(display::waitFor([this] { return help->DSHelp->documents().windowCount() == 1; }));
}

TEST_F(HelpWindowDisplay, CtrlNInAHelpPageMakesNoNewFile) {
    auto* page = help->ActiveTab()->findChild<QTextBrowser*>();
    ASSERT_TRUE(page);
    ASSERT_TRUE(display::click(*page->viewport()));
    ASSERT_TRUE(display::waitFor([page] { return page->hasFocus(); }));
    const int windows = main->DS->documents().windowCount();
    // Its release has arrived by now, after any shortcut of the press ran.
    display::keyChord(QStringLiteral("ctrl+n"));
    EXPECT_EQ(main->DS->documents().windowCount(), windows);
}
