#include "build/ActiveCompiler.h"
#include "explorer/frmBrowser.h"
#include "explorer/frmMainHelp.h"
#include "platform/ShellOpen.h"
#include "platform/browser/FrameView.h"
#include "platform/browser/WebBrowser.h"
#include "platform/dock/DockLayer.h"
#include "platform/dock/LayoutFile.h"
#include "support/LinkClick.h"
#include "support/TestEnvironment.h"
#include "vocabulary/SettingsValues.h"
#include "support/Corpus.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

namespace {

class frmMainHelpTest : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        help = home() + QStringLiteral("/help");
        page("index.html", "<html><body>home</body></html>");
        page("commands/index.htm",
             "<html><head><title>Docs</title></head><frameset cols=\"200,*\">"
             "<frame name=\"contents\" src=\"command_list.htm\"><frame name=\"main\" src=\"main.htm\"></frameset></html>");
        page("commands/command_list.htm",
             "<body><a href=scancodes.htm target=main>Scancodes</a> <a href=index.htm target=_top>Index</a> "
             "<a href=http://example.com/a?b=1&c=2 target=_blank>web</a> <a href=other.htm target=_blank>Other</a></body>");
        page("commands/main.htm", "<title>Main</title><body>main</body>");
        page("commands/scancodes.htm", "<title>Keys</title><body>keys</body>");
        page("commands/other.htm", "<title>Other page</title><body>other</body>");
        page("commands/2d_commands/DrawImage.htm", "<title>Docs</title><h1>DrawImage image, x,y</h1>");
        page("commands/3d_commands/DrawImage.htm", "<title>Docs</title><h1>3d</h1>");
        page("commands/3d_commands/Millisecs.htm", "<title>Docs</title><h1>MilliSecs()</h1>");
        auto compiler = std::make_shared<ClsCompiler>();
        compiler->HelpPath = help;
        gActiveCompiler = compiler;
        IFNoHelpFound = 2;
        EachHelpInNewTab = 1;
        platform::setShellHandler([this](const platform::ShellRequest& request) {
            desktop.append(request.file);
            return int(platform::ShellSuccess);
        });
        form = std::make_unique<frmMainHelp>();
    }
    void TearDown() override {
        form.reset();
        platform::setShellHandler({});
        KorvoTest::TearDown();
    }

    void page(const char* name, const char* html) {
        const QString path = help + QLatin1Char('/') + QLatin1String(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        writeAll(path, html);
    }
    int tabCount() const { return form->DSHelp->documents().windowCount(); }
    frmBrowser& tab() const { return *form->ActiveTab(); }
    browser::WebBrowser& browser() const { return *tab().Browser; }
    QString caption() const { return form->TabCaption(tab()); }
    dock::Command& command(const char* key) const { return form->DSHelp->command(QLatin1String(key)); }
    QStringList history() const {
        QStringList addresses;
        for (const dock::ListItemData& item : command("cboAddress").items())
            addresses.append(item.caption);
        return addresses;
    }
    // Clicks the link showing the text with the mouse.
    void clickLink(const QString& frame, const QString& text) {
        browser::FrameView* view = browser().frameView(frame);
        ASSERT_NE(view, nullptr);
        ASSERT_TRUE(::clickLink(*view, text)) << text.toStdString();
    }

    QString help;
    QStringList desktop;
    std::unique_ptr<frmMainHelp> form;
};

TEST_F(frmMainHelpTest, KeywordHelpOpensTheWordsPageInATabTitledByIt) {
    ASSERT_TRUE(form->ShowBrowserHelp(QStringLiteral("DrawImage")));
    EXPECT_EQ(browser().locationURL(), help + QStringLiteral("/commands/2d_commands/DrawImage.htm"));
    EXPECT_EQ(caption(), QStringLiteral("DrawImage"));
    EXPECT_EQ(command("cboAddress").text(), browser().locationURL());
    // Loaded: no progress to show and nothing to stop.
    EXPECT_EQ(form->ProgressValue(), 0);
    EXPECT_FALSE(command("Stop").enabled());

    ASSERT_TRUE(form->ShowBrowserHelp(QStringLiteral("MILLISECS")));
    EXPECT_EQ(browser().locationURL(), help + QStringLiteral("/commands/3d_commands/Millisecs.htm"));
    EXPECT_EQ(tabCount(), 2);

    EachHelpInNewTab = 0;
    ASSERT_TRUE(form->ShowBrowserHelp(QStringLiteral("Unknown")));
    EXPECT_EQ(tabCount(), 2);
    EXPECT_EQ(caption(), QStringLiteral("Command Ref."));
    EXPECT_EQ(browser().frames(), (QList<QPair<QString, QString>>{{QStringLiteral("contents"), help + QStringLiteral("/commands/command_list.htm")},
                                                                    {QStringLiteral("main"), help + QStringLiteral("/commands/main.htm")}}));
    IFNoHelpFound = 1;
    ASSERT_TRUE(form->ShowBrowserHelp(QStringLiteral("Unknown")));
    EXPECT_EQ(caption(), QStringLiteral("Home"));

    IFNoHelpFound = 0;
    EXPECT_FALSE(form->ShowBrowserHelp(QStringLiteral("Unknown")));
    EXPECT_EQ(tabCount(), 2);
    gActiveCompiler = nullptr;
    EXPECT_FALSE(form->ShowBrowserHelp(QStringLiteral("DrawImage")));
}

TEST_F(frmMainHelpTest, WithoutTabsTheTabCommandsAreOffAndAnAddressOpensOne) {
    gDefaultHelpPage = QStringLiteral("abcd");
    form->RunCommand(QStringLiteral("New Blank Window"));
    ASSERT_EQ(tabCount(), 1);
    EXPECT_EQ(caption(), QStringLiteral("Blank"));
    EXPECT_TRUE(command("Close").enabled());
    form->RunCommand(QStringLiteral("Home"));
    // A page without a title refreshes too.
    EXPECT_EQ(browser().locationName(), QStringLiteral("index.html"));
    page("index.html", "<title>Start</title>");
    form->RunCommand(QStringLiteral("Refresh"));
    EXPECT_EQ(browser().locationName(), QStringLiteral("Start"));
    form->RunCommand(QStringLiteral("New Current Window"));
    EXPECT_EQ(tabCount(), 2);
    EXPECT_EQ(caption(), QStringLiteral("Home"));

    form->RunCommand(QStringLiteral("Close All"));
    EXPECT_EQ(tabCount(), 0);
    EXPECT_EQ(form->ActiveTab(), nullptr);
    for (const char* key : {"Back", "Forward", "Close", "Close All", "Refresh", "Stop"})
        EXPECT_FALSE(command(key).enabled()) << key;
    EXPECT_TRUE(command("cboAddress").text().isEmpty());
    EXPECT_EQ(form->ProgressValue(), 0);
    form->RunCommand(QStringLiteral("Back"));

    command("cboAddress").setText(help + QStringLiteral("/commands/main.htm"));
    form->ComboTextEntered(command("cboAddress"));
    ASSERT_EQ(tabCount(), 1);
    EXPECT_EQ(caption(), QStringLiteral("Command Ref."));
}

TEST_F(frmMainHelpTest, ClosingABackgroundTabLeavesTheCurrentOne) {
    form->ShowBrowserHelp(QStringLiteral("DrawImage"));
    frmBrowser* background = form->ActiveTab();
    form->ShowBrowserHelp(QStringLiteral("Millisecs"));
    frmBrowser* current = form->ActiveTab();
    form->RunCommand(QStringLiteral("Home"));
    EXPECT_TRUE(command("Back").enabled());

    form->DSHelp->documents().setVisible(*form->DSHelp->documents().find(background->DSID), false);
    ASSERT_EQ(form->ActiveTab(), current);
    form->RunCommand(QStringLiteral("Back"));
    EXPECT_EQ(browser().locationURL(), help + QStringLiteral("/commands/3d_commands/Millisecs.htm"));
    EXPECT_FALSE(command("Back").enabled());
    EXPECT_TRUE(command("Forward").enabled());
}

TEST_F(frmMainHelpTest, TheAddressHistoryKeepsTwentyOnePagesNewestFirst) {
    form->ShowBrowserHelp(QStringLiteral("DrawImage"));
    const QString drawImage = browser().locationURL();
    browser().navigate(QStringLiteral("http:///"));
    EXPECT_EQ(browser().locationURL(), drawImage);
    EXPECT_EQ(caption(), QStringLiteral("DrawImage"));
    EXPECT_EQ(history(), QStringList{drawImage});
    EXPECT_FALSE(command("Back").enabled());

    form->RunCommand(QStringLiteral("Home"));
    browser().navigate(drawImage);
    EXPECT_EQ(history(), (QStringList{drawImage, help + QStringLiteral("/index.html")}));

    QStringList pages;
    for (int i = 0; i < 25; ++i) {
        pages.prepend(help + QStringLiteral("/p%1.htm").arg(i));
        page(qPrintable(QStringLiteral("p%1.htm").arg(i)), "<body>p</body>");
        browser().navigate(pages.first());
    }
    EXPECT_EQ(history(), pages.mid(0, 21));
    EXPECT_EQ(caption(), QStringLiteral("P24"));
}

TEST_F(frmMainHelpTest, FramesetLinksGoByTheirTargets) {
    form->RunCommand(QStringLiteral("Commands"));
    const QString index = help + QStringLiteral("/commands/index.htm");
    ASSERT_EQ(browser().locationURL(), index);
    EXPECT_EQ(caption(), QStringLiteral("Command Ref."));

    clickLink(QStringLiteral("contents"), QStringLiteral("Scancodes"));
    EXPECT_EQ(browser().frameView(QStringLiteral("main"))->address(), help + QStringLiteral("/commands/scancodes.htm"));
    EXPECT_EQ(caption(), QStringLiteral("Scancodes"));
    EXPECT_EQ(command("cboAddress").text(), index);
    EXPECT_EQ(browser().locationName(), QStringLiteral("Docs"));

    form->RunCommand(QStringLiteral("Back"));
    EXPECT_EQ(browser().frameView(QStringLiteral("main"))->address(), help + QStringLiteral("/commands/main.htm"));
    EXPECT_EQ(caption(), QStringLiteral("Command Ref."));

    clickLink(QStringLiteral("contents"), QStringLiteral("web"));
    EXPECT_EQ(desktop, QStringList{QStringLiteral("http://example.com/a?b=1&c=2")});
    EXPECT_EQ(tabCount(), 1);
    EXPECT_EQ(caption(), QStringLiteral("Command Ref."));

    frmBrowser* first = form->ActiveTab();
    clickLink(QStringLiteral("contents"), QStringLiteral("Other"));
    EXPECT_EQ(tabCount(), 2);
    EXPECT_EQ(form->ActiveTab(), first);
    const QList<dock::DocumentWindow*> windows = form->DSHelp->documents().windows();
    EXPECT_EQ(windows.last()->caption(), QStringLiteral("Other"));

    clickLink(QStringLiteral("contents"), QStringLiteral("Index"));
    EXPECT_EQ(browser().locationURL(), index);
    EXPECT_EQ(browser().frameView(QStringLiteral("main"))->address(), help + QStringLiteral("/commands/main.htm"));
}

TEST_F(frmMainHelpTest, TheLayoutIsKeptWithoutTheAddressHistory) {
    form->ShowBrowserHelp(QStringLiteral("DrawImage"));
    form->DSHelp->bar(QStringLiteral("HelpToolBar")).deleteControl(1);
    form.reset();
    const std::optional<dock::LayoutData> saved = dock::readLayoutFile(frmMainHelp::LayoutFilePath());
    ASSERT_TRUE(saved.has_value());

    form = std::make_unique<frmMainHelp>();
    EXPECT_TRUE(history().isEmpty());
    EXPECT_EQ(form->DSHelp->bar(QStringLiteral("HelpToolBar")).findControl(QStringLiteral("Back")), 0);

    // A layout without the address box is not taken.
    dock::LayoutData partial = *saved;
    partial.commands.removeIf([](const dock::CommandData& c) { return c.key == QLatin1String("cboAddress"); });
    for (dock::BarData& bar : partial.bars)
        bar.controls.removeIf([](const dock::ControlData& c) { return c.key == QLatin1String("cboAddress"); });
    form.reset();
    ASSERT_TRUE(dock::writeLayoutFile(frmMainHelp::LayoutFilePath(), partial));
    form = std::make_unique<frmMainHelp>();
    EXPECT_NE(form->DSHelp->findCommand(QStringLiteral("cboAddress")), nullptr);
    EXPECT_EQ(form->DSHelp->bar(QStringLiteral("HelpToolBar")).findControl(QStringLiteral("Back")), 1);
}

// On the help tree of a real installation: plain links and example links
// of command pages, clicked as a user does.
TEST_F(frmMainHelpTest, OnARealHelpTreeLinksMoveTheAddressAndExamplesShowAsText) {
    const QString corpus = QDir::cleanPath(QStringLiteral(KORVO_CORPUS_DIR "/help"));
    KORVO_NEED_CORPUS(QFileInfo(corpus).isDir(), "no help tree in the corpus");
    gActiveCompiler->HelpPath = corpus;
    const QString commands = corpus + QStringLiteral("/commands/3d_commands/");

    ASSERT_TRUE(form->ShowBrowserHelp(QStringLiteral("MeshWidth")));
    clickLink(QString(), QStringLiteral("MeshHeight"));
    EXPECT_EQ(browser().locationURL(), commands + QStringLiteral("MeshHeight.htm"));
    EXPECT_EQ(command("cboAddress").text(), commands + QStringLiteral("MeshHeight.htm"));
    EXPECT_EQ(caption(), QStringLiteral("MeshHeight"));
    EXPECT_EQ(history(), (QStringList{commands + QStringLiteral("MeshHeight.htm"), commands + QStringLiteral("MeshWidth.htm")}));
    ASSERT_TRUE(command("Back").enabled());
    form->RunCommand(QStringLiteral("Back"));
    EXPECT_EQ(command("cboAddress").text(), commands + QStringLiteral("MeshWidth.htm"));
    EXPECT_EQ(caption(), QStringLiteral("MeshWidth"));

    ASSERT_TRUE(form->ShowBrowserHelp(QStringLiteral("CreateCube")));
    EXPECT_EQ(caption(), QStringLiteral("CreateCube"));
    clickLink(QString(), QStringLiteral("Example"));
    const QString example = corpus + QStringLiteral("/commands/3d_examples/CreateCube.bb");
    EXPECT_EQ(command("cboAddress").text(), example);
    const QTextDocument& text = *browser().frameView(QString())->document();
    EXPECT_EQ(text.findBlockByNumber(0).text(), QStringLiteral("; CreateCube Example"));
    EXPECT_EQ(text.findBlockByNumber(3).text(), QStringLiteral("Graphics3D 640,480"));
    form->RunCommand(QStringLiteral("Back"));
    EXPECT_EQ(command("cboAddress").text(), commands + QStringLiteral("CreateCube.htm"));

    ASSERT_TRUE(form->ShowBrowserHelp(QStringLiteral("WaitKey")));
    EXPECT_EQ(caption(), QStringLiteral("WaitKey"));
}

}
