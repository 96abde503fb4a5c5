#include "explorer/ExplorerFixture.h"

#include "platform/dock/DockLayer.h"

#include <QApplication>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

bool waitUntil(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, 20000);
}

// The panel too narrow for its tool bar, so that the last tools overflow.
class CodeExplorerToolBarTest : public ExplorerTest {
protected:
    void SetUp() override {
        ExplorerTest::SetUp();
        panel->resize(150, 400);
        panel->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
        toolBar = panel->findChild<QToolBar*>(QStringLiteral("CodeExplorer"));
        ASSERT_TRUE(toolBar);
        extension = toolBar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
        ASSERT_TRUE(extension && extension->isVisible()) << "the tool bar fits; nothing overflows";
        rowHeight = toolBar->height();
        arrays = toolBar->widgetForAction(panel->DSList->command(QStringLiteral("Arrays")).action());
        ASSERT_TRUE(arrays);
        ASSERT_FALSE(arrays->isVisible()) << "Arrays is expected among the tools that overflow";
    }

    void growBar() {
        QTest::mouseClick(extension, Qt::LeftButton);
        ASSERT_TRUE(waitUntil([this] { return arrays->isVisible() && toolBar->height() > rowHeight; }));
    }

    bool folded() const { return !arrays->isVisible() && toolBar->height() == rowHeight; }

    QToolBar* toolBar = nullptr;
    QToolButton* extension = nullptr;
    QWidget* arrays = nullptr;
    int rowHeight = 0;
};

}

TEST_F(CodeExplorerToolBarTest, TheOverflowFoldsBackAfterAPickAndAfterAClickElsewhere) {
    growBar();
    QTest::mouseClick(arrays, Qt::LeftButton);
    EXPECT_EQ(frmList::LastConstruct, QStringLiteral("Arrays"));
    EXPECT_TRUE(waitUntil([this] { return folded(); })) << "the tool bar stayed grown after a pick";

    growBar();
    QWidget* list = shown().viewport();
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(10, list->height() - 10));
    EXPECT_TRUE(waitUntil([this] { return folded(); })) << "the tool bar stayed grown after a click on the list";

    // The bar's own extension button still folds it, and a press on the bar keeps it.
    growBar();
    QTest::mousePress(toolBar, Qt::LeftButton, {}, QPoint(toolBar->width() - 8, toolBar->height() - 4));
    QTest::mouseRelease(toolBar, Qt::LeftButton, {}, QPoint(toolBar->width() - 8, toolBar->height() - 4));
    EXPECT_TRUE(arrays->isVisible());
    QTest::mouseClick(extension, Qt::LeftButton);
    EXPECT_TRUE(waitUntil([this] { return folded(); }));
}
