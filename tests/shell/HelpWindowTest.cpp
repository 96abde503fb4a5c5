#include "shell/MainWindowFixture.h"

#include "build/ActiveCompiler.h"
#include "build/CompilerList.h"
#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"
#include "explorer/HelpBrowser.h"
#include "explorer/frmBrowser.h"
#include "explorer/frmMainHelp.h"
#include "files/fileexplorer/ExplorerOpen.h"
#include "platform/browser/WebBrowser.h"
#include "platform/dock/DockLayer.h"
#include "platform/dock/LayoutFile.h"
#include "shell/DocumentActivation.h"
#include "vocabulary/SettingsValues.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QTabBar>
#include <QTextBrowser>

namespace {

class HelpWindowTest : public MainWindowTest {
protected:
    void restart() {
        main.reset();
        main = std::make_unique<frmMain>();
        main->Form_Load();
    }
    dock::DocumentWindow* helpWindow() const { return main->DS->documents().find(QStringLiteral("HELP WINDOW")); }
    QString page(const char* name) {
        const QString path = homeFile(QLatin1String(name));
        writeAll(path, "<title>Page</title><p>text</p>");
        return path;
    }
};

TEST_F(HelpWindowTest, StartsWithTheDefaultPageAndKeepsItsLayoutWhenKorvoCloses) {
    gOpenBrowserAtStartup = 1;
    gDefaultHelpPage = page("start.htm");
    restart();
    dock::DocumentWindow* window = helpWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->caption(), QStringLiteral("HELP"));
    ASSERT_EQ(window->form(), HelpForm());
    ASSERT_NE(HelpForm()->ActiveTab(), nullptr);
    EXPECT_EQ(HelpForm()->ActiveTab()->Browser->locationURL(), gDefaultHelpPage);
    EXPECT_EQ(HelpForm()->DSHelp->command(QStringLiteral("New Blank Window")).caption(), QStringLiteral("New Window"));

    EXPECT_TRUE(main->close());
    EXPECT_EQ(HelpForm(), nullptr);
    const std::optional<dock::LayoutData> layout = dock::readLayoutFile(homeFile(QStringLiteral("Layouts/Layout0.8_h.mp")));
    ASSERT_TRUE(layout.has_value());
    for (const dock::CommandData& command : layout->commands) {
        if (command.key == QLatin1String("cboAddress")) {
            EXPECT_TRUE(command.items.isEmpty());
        }
    }
}

TEST_F(HelpWindowTest, TheFileExplorerOpensHtmlPagesInANewHelpTab) {
    ASSERT_EQ(helpWindow(), nullptr);
    const QString path = page("guide.HTML");
    ASSERT_TRUE(OpenInHelpBrowser(path));
    ASSERT_NE(helpWindow(), nullptr);
    EXPECT_EQ(HelpForm()->ActiveTab()->Browser->locationURL(), path);
    ASSERT_TRUE(OpenInHelpBrowser(path));
    EXPECT_EQ(HelpForm()->DSHelp->documents().windowCount(), 2);
    EXPECT_EQ(main->DS->documents().windowCount(), 1);

    // Closing the help window unloads it; the next page opens it again.
    main->DS->documents().setVisible(*helpWindow(), false);
    EXPECT_EQ(HelpForm(), nullptr);
    EXPECT_TRUE(OpenInHelpBrowser(path));
    EXPECT_EQ(HelpForm()->DSHelp->documents().windowCount(), 1);
}

TEST_F(HelpWindowTest, StartedWithoutAFileTheFileAndEditingCommandsAreOff) {
    gOpenBrowserAtStartup = 1;
    restart();
    ASSERT_NE(helpWindow(), nullptr);
    EXPECT_EQ(gActiveDocWindowKey, QStringLiteral("HELP WINDOW"));
    for (const char* key : {"Save File", "Save File As", "Export To HTML", "Cut", "Copy", "Paste", "Undo", "Redo"})
        EXPECT_FALSE(main->DS->command(QLatin1String(key)).enabled()) << key;
    EXPECT_TRUE(main->DS->command(QStringLiteral("New File")).enabled());
}

TEST_F(HelpWindowTest, TheHelpTabsCaptionPopupAndItsHoldOnCtrlN) {
    gOpenBrowserAtStartup = 1;
    restart();
    main->show();
    QApplication::setActiveWindow(main.get());
    HelpForm()->AddNewHelpTab();
    HelpForm()->AddNewHelpTab();
    ASSERT_EQ(HelpForm()->DSHelp->documents().windowCount(), 2);

    // A right click on the first tab's caption, as the window system delivers it.
    auto* bar = HelpForm()->DSHelp->documents().findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    const QPoint at = bar->tabRect(0).center();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, bar->mapToGlobal(at), Qt::NoModifier);
    QApplication::sendEvent(bar, &rightClick);
    QMenu& popup = HelpForm()->DSHelp->popupMenu(QStringLiteral("CaptionContextPopup"));
    EXPECT_TRUE(popup.isVisible());
    popup.hide();
    EXPECT_EQ(HelpForm()->ActiveTab(), HelpForm()->DSHelp->documents().windows().first()->form());

    // Ctrl+N stays with a help page; in an editor it makes a new file.
    const auto ctrlNRunsACommand = [](QWidget* focus) {
        QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_N, Qt::ControlModifier, QStringLiteral("\x0e"));
        override.ignore();
        QApplication::sendEvent(focus, &override);
        return !override.isAccepted();
    };
    auto* page = HelpForm()->ActiveTab()->findChild<QTextBrowser*>();
    ASSERT_NE(page, nullptr);
    page->setFocus();
    EXPECT_FALSE(ctrlNRunsACommand(page));
    writeAll(homeFile(QStringLiteral("a.bb")), "Print 1\r\n");
    main->Text1_Change(homeFile(QStringLiteral("a.bb")));
    ASSERT_NE(gActiveDoc, nullptr);
    EXPECT_TRUE(ctrlNRunsACommand(gActiveDoc->Sci));
}

}
