#include "shell/MainWindowFixture.h"

#include "build/ActiveCompiler.h"
#include "build/CompilerList.h"
#include "explorer/HelpBrowser.h"
#include "explorer/frmBrowser.h"
#include "explorer/frmMainHelp.h"
#include "files/explorer/ExplorerOpen.h"
#include "platform/browser/WebBrowser.h"
#include "platform/dock/DockLayer.h"
#include "platform/dock/LayoutFile.h"
#include "vocabulary/SettingsValues.h"

#include <QFileInfo>

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

}
