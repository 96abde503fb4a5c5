#include "display/DisplayInput.h"
#include "display/KorvoWindowFixture.h"

#include "explorer/HelpBrowser.h"
#include "explorer/frmBrowser.h"
#include "explorer/frmMainHelp.h"
#include "platform/Host.h"
#include "platform/SettingsStore.h"
#include "platform/browser/FrameView.h"
#include "platform/browser/WebBrowser.h"
#include "platform/dock/DockLayer.h"
#include "shell/frmMain.h"
#include "vocabulary/WindowKeys.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QProgressBar>
#include <QTabBar>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>

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

namespace {

// A help folder of the compiler's own, with the command reference as a
// frameset whose contents frame has pages of its own; and a folder of
// files, with an HTML page, that the File Explorer shows.
class HelpPagesDisplay : public KorvoWindowTest {
protected:
    void beforeStart() override {
        page("help/index.html", "<html><body><h1>Welcome</h1><a href=commands/index.htm>Command Reference</a></body></html>");
        page("help/commands/index.htm",
             "<html><head><title>Docs</title></head><frameset cols=\"200,*\">"
             "<frame name=\"contents\" target=\"main\" src=\"command_list.htm\"><frame name=\"main\" src=\"main.htm\"></frameset></html>");
        page("help/commands/command_list.htm", "<body><a href=first.htm>First group</a><br><a href=keys.htm target=main>Key codes</a></body>");
        page("help/commands/first.htm", "<body><h2>First group</h2><p>Its commands, then <a href=second.htm>Second group</a></p></body>");
        page("help/commands/second.htm", "<body><p>second</p></body>");
        page("help/commands/main.htm", "<body><h1>Main</h1></body>");
        page("help/commands/keys.htm", "<body><h1>Keys</h1></body>");
        page("files/page.html", "<html><head><title>A page</title></head><body><h1>A page of my own</h1></body></html>");
        writeAll(homeFile(QStringLiteral("files/game.bb")), "Print 1\r\n");
        writeAll(homeFile(QStringLiteral("conf/compilers.dat")),
                 ("1\r\n1\r\n\"Blitz\"\r\n\"/opt/blitz\"\r\n\"" + homeFile(QStringLiteral("help")).toUtf8() + "\"\r\n#FALSE#\r\n"));
        platform::SaveSetting(QStringLiteral("FileExSettings"), QStringLiteral("LastPath"), homeFile(QStringLiteral("files")));
        platform::SaveSetting(QStringLiteral("Options"), QStringLiteral("ComboFileTypesState"), QStringLiteral("5"));
    }

    void SetUp() override {
        KorvoWindowTest::SetUp();
        if (HasFatalFailure())
            return;
        help = HelpForm();
        ASSERT_TRUE(help) << "the help window did not open at start";
    }

    void page(const char* name, const char* html) {
        QDir().mkpath(QFileInfo(homeFile(QLatin1String(name))).absolutePath());
        writeAll(homeFile(QLatin1String(name)), html);
    }

    // The help window's tool button of a command, by its caption.
    QToolButton* helpButton(const QString& caption) const {
        for (QToolButton* button : help->findChildren<QToolButton*>())
            if (button->isVisible() && button->text().remove(QLatin1Char('&')) == caption)
                return button;
        return nullptr;
    }
    bool clickHelpButton(const QString& caption) {
        QToolButton* button = helpButton(caption);
        EXPECT_TRUE(button) << "no help button " << caption.toStdString();
        return button && display::click(*button);
    }

    browser::WebBrowser* page() const { return help->ActiveTab() ? help->ActiveTab()->Browser : nullptr; }
    QString shown(const char* frame) const {
        const browser::FrameView* view = page() ? page()->frameView(QLatin1String(frame)) : nullptr;
        return view ? QFileInfo(view->address()).fileName() : QString();
    }
    // Clicks the link that shows the text, with the pointer on its first character.
    bool clickLinkText(const char* frame, const QString& text) {
        browser::FrameView* view = page() ? page()->frameView(QLatin1String(frame)) : nullptr;
        // A page that replaced another is shown and laid out by posted events.
        if (!display::waitFor([view] { return onScreen(view); }))
            return false;
        const QTextCursor found = view->document()->find(text);
        if (found.isNull())
            return false;
        QTextCursor start(view->document());
        start.setPosition(found.selectionStart());
        return display::click(*view->viewport(), view->cursorRect(start).center() + QPoint(3, 0));
    }

    static bool onScreen(const browser::FrameView* view) {
        return view && view->isVisible() && !view->viewport()->visibleRegion().isEmpty();
    }
    QProgressBar* progress() const { return main->findChild<QProgressBar*>(); }

    frmMainHelp* help = nullptr;
};

}

TEST_F(HelpPagesDisplay, OnceTheHomePageIsInStopIsOffAndTheProgressIsEmpty) {
    ASSERT_TRUE(clickHelpButton(QStringLiteral("Home")));
    ASSERT_TRUE(display::waitFor([this] { return page() && page()->locationURL().endsWith(QLatin1String("help/index.html")); }));
    ASSERT_TRUE(display::waitFor([this] { return onScreen(page()->frameView(QString())); }));
    EXPECT_FALSE(helpButton(QStringLiteral("Stop"))->isEnabled());
    EXPECT_TRUE(helpButton(QStringLiteral("Refresh"))->isEnabled());
    ASSERT_TRUE(progress());
    EXPECT_TRUE(display::waitFor([this] { return progress()->value() <= progress()->minimum(); }))
        << progress()->value() << " of " << progress()->maximum();
    shot();
}

TEST_F(HelpPagesDisplay, BackGoesThroughTheContentsFramesPagesFirst) {
    ASSERT_TRUE(clickHelpButton(QStringLiteral("Commands Reference")));
    ASSERT_TRUE(display::waitFor([this] { return shown("contents") == QLatin1String("command_list.htm"); }));
    ASSERT_TRUE(clickLinkText("contents", QStringLiteral("Key codes")));
    ASSERT_TRUE(display::waitFor([this] { return shown("main") == QLatin1String("keys.htm"); }));
    ASSERT_TRUE(clickLinkText("contents", QStringLiteral("First group")));
    ASSERT_TRUE(display::waitFor([this] { return shown("contents") == QLatin1String("first.htm"); }));
    ASSERT_TRUE(clickLinkText("contents", QStringLiteral("Second group")));
    ASSERT_TRUE(display::waitFor([this] { return shown("contents") == QLatin1String("second.htm"); }));

    const QStringList expected{"first.htm keys.htm", "command_list.htm keys.htm", "command_list.htm main.htm"};
    QStringList steps;
    for (int i = 0; i < 3; ++i) {
        const QString before = shown("contents") + QLatin1Char(' ') + shown("main");
        if (!clickHelpButton(QStringLiteral("Back")))
            break;
        display::waitFor([&] { return shown("contents") + QLatin1Char(' ') + shown("main") != before; }, 5000);
        steps.append(shown("contents") + QLatin1Char(' ') + shown("main"));
        if (i == 0)
            shot(QStringLiteral("back"));
    }
    EXPECT_EQ(steps, expected);
    EXPECT_TRUE(page()->locationURL().endsWith(QLatin1String("commands/index.htm")));
}

TEST_F(HelpPagesDisplay, AnHtmlFileOpenedFromTheFileExplorerShowsInTheHelpWindowWithTheFocus) {
    openDocument(QStringLiteral("files/game.bb"), "Print 1\r\n");
    ASSERT_NE(platform::host().activeDocumentWindowKey(), kHelpWindowKey);
    QWidget* panel = showPanel(QStringLiteral("FileExplorer"));
    ASSERT_TRUE(panel);
    auto* files = panel->findChild<QTreeWidget*>(QStringLiteral("lvFiles"));
    ASSERT_TRUE(files);
    QTreeWidgetItem* row = nullptr;
    ASSERT_TRUE(display::waitFor([&] {
        for (int i = 0; i < files->topLevelItemCount(); ++i)
            if (files->topLevelItem(i)->text(0) == QLatin1String("page.html"))
                row = files->topLevelItem(i);
        return row != nullptr;
    }));
    const QRect rect = files->visualItemRect(row);
    ASSERT_TRUE(display::doubleClick(*files->viewport(), QPoint(rect.left() + 20, rect.center().y())));

    EXPECT_TRUE(display::waitFor([] { return platform::host().activeDocumentWindowKey() == kHelpWindowKey; }))
        << "the help window stayed behind " << platform::host().activeDocumentWindowKey().toStdString();
    ASSERT_TRUE(display::waitFor([this] { return page() && page()->locationURL().endsWith(QLatin1String("files/page.html")); }));
    browser::FrameView* view = page()->frameView(QString());
    ASSERT_TRUE(view);
    EXPECT_TRUE(display::waitFor([view] { return onScreen(view); }));
    EXPECT_TRUE(display::waitFor([view] { return view->hasFocus(); }))
        << "the focus is on " << (QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : "nothing");
    shot();
}
