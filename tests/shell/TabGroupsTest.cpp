#include "shell/MainWindowFixture.h"

#include "editor/frmDoc.h"
#include "platform/scintilla/SciView.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>

namespace {

using S = QsciScintillaBase;

class TabGroupsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        openFiles({QStringLiteral("A.bb"), QStringLiteral("B.bb"), QStringLiteral("C.bb")});
        main->resize(1200, 900);
        main->show();
        QApplication::setActiveWindow(main.get());
    }

    dock::DocumentArea& area() { return main->DS->documents(); }
    dock::DocumentWindow& window(const char* name) { return *area().find(homeFile(QLatin1String(name))); }
    SciView* editor(const char* name) { return qobject_cast<frmDoc*>(window(name).form())->Sci; }
    QString activeName() { return area().active() ? QFileInfo(area().active()->key()).fileName() : QString(); }
    void command(const char* key) { main->DS->click(main->DS->command(QLatin1String(key))); }

    // A left click on the tab of the window, delivered as the mouse delivers it.
    void clickTab(const char* name) {
        QWidget* page = window(name).form();
        auto* group = qobject_cast<QTabWidget*>(page->parentWidget()->parentWidget());
        ASSERT_NE(group, nullptr);
        QTabBar* bar = group->tabBar();
        const QPoint at = bar->tabRect(group->indexOf(page)).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, bar->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, bar->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &release);
    }
    // A key typed where the keyboard focus is.
    void type(const QString& text) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, text);
        QApplication::sendEvent(focus, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, text);
        QApplication::sendEvent(focus, &release);
    }
    QByteArray textOf(const char* name) {
        SciView* view = editor(name);
        QByteArray text(int(view->send(S::SCI_GETLENGTH)) + 1, '\0');
        view->send(S::SCI_GETTEXT, uptr_t(text.size()), sptr_t(text.data()));
        text.chop(1);
        return text;
    }
    QRect placeOf(const char* name) {
        QWidget* form = window(name).form();
        return QRect(form->mapTo(main.get(), QPoint(0, 0)), form->size());
    }
};

}

TEST_F(TabGroupsTest, TheSplitOffDocumentKeepsTheKeysAndAClickOnTheOtherGroupsTabMovesThemThere) {
    area().activate(window("A.bb"));
    command("New Vertical Tab Group");
    ASSERT_EQ(area().groupCount(), 2);
    EXPECT_EQ(QApplication::focusWidget(), editor("A.bb"));

    // B became the first group's current tab; C is behind it.
    clickTab("C.bb");
    EXPECT_EQ(activeName(), QStringLiteral("C.bb"));
    EXPECT_EQ(QApplication::focusWidget(), editor("C.bb"));
    type(QStringLiteral("x"));
    EXPECT_EQ(textOf("C.bb"), "xPrint 1\r\n");
    EXPECT_EQ(textOf("A.bb"), "Print 1\r\n");

    // Back to the current tab of the first group.
    clickTab("A.bb");
    EXPECT_EQ(activeName(), QStringLiteral("A.bb"));
    type(QStringLiteral("y"));
    EXPECT_EQ(textOf("A.bb"), "yPrint 1\r\n");

    command("New Horizontal Tab Group");  // A is alone in its group: nothing moves
    area().activate(window("B.bb"));
    command("New Horizontal Tab Group");
    EXPECT_EQ(area().groupCount(), 3);
    EXPECT_EQ(QApplication::focusWidget(), editor("B.bb"));
}

TEST_F(TabGroupsTest, ASplitAcrossTheGroupsDirectionHalvesTheGroupItSplits) {
    area().activate(window("A.bb"));
    command("New Horizontal Tab Group");
    QApplication::processEvents();
    const QRect column = placeOf("B.bb").united(placeOf("A.bb"));
    area().activate(window("C.bb"));
    command("New Vertical Tab Group");
    QApplication::processEvents();
    // The upper row keeps its height, and B and C share its width.
    EXPECT_GT(placeOf("C.bb").height(), column.height() / 3);
    EXPECT_GT(placeOf("B.bb").height(), column.height() / 3);
    EXPECT_NEAR(placeOf("C.bb").height(), placeOf("A.bb").height(), column.height() / 10);
    EXPECT_GT(placeOf("C.bb").left(), placeOf("B.bb").right());
    EXPECT_NEAR(placeOf("B.bb").width(), placeOf("C.bb").width(), column.width() / 10);
    EXPECT_NEAR(placeOf("A.bb").width(), column.width(), column.width() / 10);
}
