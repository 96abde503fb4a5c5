#include "display/DisplayInput.h"
#include "display/KorvoWindowFixture.h"

#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"
#include "platform/dock/DockLayer.h"
#include "shell/frmMain.h"
#include "vocabulary/WindowKeys.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <Qsci/qsciscintillabase.h>

namespace {

class TabGroupsDisplay : public KorvoWindowTest {
protected:
    void SetUp() override {
        KorvoWindowTest::SetUp();
        if (HasFatalFailure())
            return;
        for (const char* name : {"A.bb", "B.bb", "C.bb"})
            openDocument(QLatin1String(name), "Print 1\r\n");
    }

    dock::DocumentWindow& window(const char* name) {
        return *main->DS->documents().find(homeFile(QLatin1String(name)));
    }
    dock::DocumentWindow& helpWindow() { return *main->DS->documents().find(kHelpWindowKey); }
    frmDoc* document(const char* name) { return qobject_cast<frmDoc*>(window(name).form()); }
    QString activeKey() {
        const dock::DocumentWindow* active = main->DS->documents().active();
        return active ? active->key() : QString();
    }
    QByteArray textOf(const char* name) {
        SciView* view = document(name)->Sci;
        const auto length = view->send(QsciScintillaBase::SCI_GETLENGTH);
        QByteArray text(length + 1, '\0');
        view->send(QsciScintillaBase::SCI_GETTEXT, length + 1, reinterpret_cast<sptr_t>(text.data()));
        text.chop(1);
        return text;
    }

    // The tab bar showing the window, and the centre of its tab there.
    static QTabWidget* groupOf(const dock::DocumentWindow& shown) {
        return qobject_cast<QTabWidget*>(shown.form()->parentWidget()->parentWidget());
    }
    QTabBar* barOf(const char* name) {
        QTabWidget* group = groupOf(window(name));
        return group ? group->tabBar() : nullptr;
    }
    QPoint tabOf(const char* name) {
        QTabWidget* group = groupOf(window(name));
        return group->tabBar()->tabRect(group->indexOf(window(name).form())).center();
    }
    bool clickTab(const char* name) { return display::click(*barOf(name), tabOf(name)); }
    bool clickHelpTab() {
        QTabWidget* group = groupOf(helpWindow());
        return display::click(*group->tabBar(), group->tabBar()->tabRect(group->indexOf(helpWindow().form())).center());
    }
    // The tool bar's button of a command.
    QWidget* toolButton(const char* key) const {
        QAction* action = main->DS->command(QLatin1String(key)).action();
        for (QToolBar* bar : main->findChildren<QToolBar*>())
            if (QWidget* button = bar->widgetForAction(action); button && button->isVisible())
                return button;
        return nullptr;
    }

    // The entry of the tab's popup menu, chosen with the mouse.
    void chooseFromTabMenu(const char* name, const QString& entry) {
        ASSERT_TRUE(display::rightClick(*barOf(name), tabOf(name)));
        QMenu* menu = openPopup();
        ASSERT_TRUE(menu) << "no popup menu showed";
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions())
            if (action->text().remove(QLatin1Char('&')) == entry)
                chosen = action;
        ASSERT_TRUE(chosen) << entry.toStdString();
        ASSERT_TRUE(display::click(*menu, menu->actionGeometry(chosen).center()));
        ASSERT_TRUE(display::waitFor([] { return !QApplication::activePopupWidget(); }));
    }

    bool keysGoTo(const char* name) {
        return display::waitFor([this, name] { return QApplication::focusWidget() == document(name)->Sci; }, 5000);
    }
};

}

TEST_F(TabGroupsDisplay, TypedTextGoesToTheDocumentWhoseTabWasClickedInEitherGroup) {
    ASSERT_TRUE(clickTab("A.bb"));
    ASSERT_TRUE(display::waitFor([this] { return activeKey() == window("A.bb").key(); }));
    chooseFromTabMenu("A.bb", QStringLiteral("New Vertical Tab Group"));
    ASSERT_EQ(main->DS->documents().groupCount(), 2);
    EXPECT_TRUE(keysGoTo("A.bb")) << "the split-off document lost the keys";
    display::typeText(QStringLiteral("a"));
    EXPECT_TRUE(display::waitFor([this] { return textOf("A.bb") == "aPrint 1\r\n"; })) << textOf("A.bb").toStdString();

    // C is behind B in the first group.
    ASSERT_TRUE(clickTab("C.bb"));
    EXPECT_TRUE(display::waitFor([this] { return activeKey() == window("C.bb").key(); }));
    EXPECT_TRUE(keysGoTo("C.bb"));
    display::typeText(QStringLiteral("c"));
    EXPECT_TRUE(display::waitFor([this] { return textOf("C.bb") == "cPrint 1\r\n"; })) << textOf("C.bb").toStdString();
    EXPECT_EQ(textOf("A.bb"), "aPrint 1\r\n");

    // Back to the one tab of the second group.
    ASSERT_TRUE(clickTab("A.bb"));
    EXPECT_TRUE(keysGoTo("A.bb"));
    display::keyChord(QStringLiteral("ctrl+z"));
    EXPECT_TRUE(display::waitFor([this] { return textOf("A.bb") == "Print 1\r\n"; })) << textOf("A.bb").toStdString();
    EXPECT_EQ(textOf("C.bb"), "cPrint 1\r\n");
    shot();
}

TEST_F(TabGroupsDisplay, AVerticalSplitOfARowKeepsTheRowsHeight) {
    ASSERT_TRUE(clickTab("A.bb"));
    chooseFromTabMenu("A.bb", QStringLiteral("New Horizontal Tab Group"));
    ASSERT_TRUE(clickTab("C.bb"));
    ASSERT_TRUE(display::waitFor([this] { return activeKey() == window("C.bb").key(); }));
    chooseFromTabMenu("C.bb", QStringLiteral("New Vertical Tab Group"));
    ASSERT_EQ(main->DS->documents().groupCount(), 3);
    EXPECT_TRUE(keysGoTo("C.bb"));
    const int rowHeight = document("A.bb")->height();
    EXPECT_TRUE(display::waitFor([&] { return document("C.bb")->height() > rowHeight * 2 / 3; }))
        << "C " << document("C.bb")->height() << " against A " << rowHeight;
    EXPECT_GT(document("C.bb")->width(), 200);
    shot();
}

TEST_F(TabGroupsDisplay, UndoWithTheHelpWindowActiveUndoesInTheDocumentActiveBeforeItInEitherGroup) {
    ASSERT_TRUE(clickTab("B.bb"));
    ASSERT_TRUE(keysGoTo("B.bb"));
    display::typeText(QStringLiteral("bbb"));
    chooseFromTabMenu("B.bb", QStringLiteral("New Vertical Tab Group"));
    ASSERT_EQ(main->DS->documents().groupCount(), 2);
    ASSERT_NE(groupOf(helpWindow()), groupOf(window("B.bb")));
    ASSERT_TRUE(clickTab("A.bb"));
    ASSERT_TRUE(keysGoTo("A.bb"));
    display::typeText(QStringLiteral("aaa"));
    ASSERT_TRUE(display::waitFor([this] { return textOf("A.bb") == "aaaPrint 1\r\n"; })) << textOf("A.bb").toStdString();

    ASSERT_TRUE(clickHelpTab());
    ASSERT_TRUE(display::waitFor([this] { return activeKey() == kHelpWindowKey; }));
    EXPECT_EQ(gActiveDoc, document("A.bb")) << "the help window took the active document";
    QWidget* undo = toolButton("Undo");
    ASSERT_TRUE(undo);
    ASSERT_TRUE(display::click(*undo));
    EXPECT_TRUE(display::waitFor([this] { return textOf("A.bb") == "Print 1\r\n"; })) << textOf("A.bb").toStdString();
    EXPECT_EQ(textOf("B.bb"), "bbbPrint 1\r\n");
    shot(QStringLiteral("left"));

    // The same from the other group.
    ASSERT_TRUE(clickTab("B.bb"));
    ASSERT_TRUE(keysGoTo("B.bb"));
    ASSERT_TRUE(clickHelpTab());
    ASSERT_TRUE(display::waitFor([this] { return activeKey() == kHelpWindowKey; }));
    ASSERT_TRUE(display::click(*toolButton("Undo")));
    EXPECT_TRUE(display::waitFor([this] { return textOf("B.bb") == "Print 1\r\n"; })) << textOf("B.bb").toStdString();
    EXPECT_EQ(textOf("A.bb"), "Print 1\r\n");
    shot(QStringLiteral("right"));
}
