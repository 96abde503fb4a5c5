#include "foundation/controls/Splitter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

// A host 3000 by 1500 twips (200 by 100 pixels) with two named panes.
class SplitterTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.resize(200, 100);
        splitter = new Splitter(&host);
        splitter->setGeometry(0, 0, 200, 100);
        left = new QWidget(&host);
        left->setObjectName("lvLeft");
        right = new QWidget(&host);
        right->setObjectName("lvRight");
        QObject::connect(splitter, &Splitter::Resize, [this] { ++resizes; });
        host.show();
        ASSERT_EQ(host.logicalDpiX(), 96);
        splitter->setChild1("LVLEFT");
        splitter->setChild2("lvRight");
    }

    QWidget* bar() const { return splitter->findChild<QWidget*>("picSplitter"); }

    // Mouse events on the bar, at a point given in the splitter's pixels.
    void mouse(QEvent::Type type, int splitterX, Qt::MouseButtons buttons) {
        const QPointF local(splitterX - bar()->x(), 5);
        QMouseEvent event(type, local, bar()->mapToGlobal(local), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          buttons, Qt::NoModifier);
        QApplication::sendEvent(bar(), &event);
    }
    void press(int x) { mouse(QEvent::MouseButtonPress, x, Qt::LeftButton); }
    void moveTo(int x) { mouse(QEvent::MouseMove, x, Qt::LeftButton); }
    void release(int x) { mouse(QEvent::MouseButtonRelease, x, Qt::NoButton); }
    void escape() {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(bar(), &event);
    }

    QWidget host;
    Splitter* splitter = nullptr;
    QWidget* left = nullptr;
    QWidget* right = nullptr;
    int resizes = 0;
};

}

TEST_F(SplitterTest, DefaultsSplitAVerticalBarAtTheMiddle) {
    EXPECT_EQ(splitter->CurrSplitterPos(), 1463);
    EXPECT_EQ(splitter->Child1Rect(), QRect(0, 0, 1463, 1500));
    EXPECT_EQ(splitter->Child2Rect(), QRect(1538, 0, 1462, 1500));
    EXPECT_EQ(left->geometry(), QRect(0, 0, 98, 100));
    EXPECT_EQ(right->x(), 103);
    EXPECT_FLOAT_EQ(splitter->CurrRatioFromTop(), 0.5f);

    auto* list = new QListView(&host);
    list->setObjectName("lvList");
    splitter->setChild2("lvList");
    EXPECT_EQ(splitter->Child2Rect(), QRect(1538, 0, 1477, 1515));
}

TEST_F(SplitterTest, DraggingStopsAtTheMinimumPaneSizes) {
    const int x = bar()->x() + 2;
    press(x);
    resizes = 0;
    moveTo(x - 150);
    EXPECT_EQ(splitter->CurrSplitterPos(), 255);
    EXPECT_EQ(resizes, 1);
    EXPECT_EQ(splitter->Child1Rect().width(), 255);
    moveTo(x + 500);
    EXPECT_EQ(splitter->CurrSplitterPos(), 2670);
    EXPECT_EQ(splitter->Child2Rect(), QRect(2745, 0, 255, 1500));
    release(x + 500);
    EXPECT_EQ(splitter->SplitterPos(), 2670);
    EXPECT_FLOAT_EQ(splitter->RatioFromTop(), (2670.0f + 37) / 3000);

    // Esc puts the bar back where the drag began.
    press(bar()->x() + 2);
    moveTo(60);
    EXPECT_LT(splitter->CurrSplitterPos(), 1000);
    escape();
    EXPECT_EQ(splitter->CurrSplitterPos(), 2670);
    release(60);
    EXPECT_EQ(splitter->SplitterPos(), 2670);
}

TEST_F(SplitterTest, AGhostDragPlacesTheChildrenOnlyAtTheRelease) {
    splitter->setLiveUpdate(false);
    const int x = bar()->x() + 2;
    press(x);
    resizes = 0;
    moveTo(x - 40);
    EXPECT_EQ(resizes, 0);
    EXPECT_EQ(splitter->Child1Rect().width(), 1463);
    EXPECT_EQ(splitter->CurrSplitterPos(), 1463 - 600);
    release(x - 40);
    EXPECT_EQ(resizes, 2);
    EXPECT_EQ(splitter->Child1Rect().width(), 863);
    EXPECT_EQ(splitter->SplitterPos(), 863);
}

TEST_F(SplitterTest, TheDesiredPositionIsClampedOnlyWhereTheBarGoes) {
    splitter->setRatioFromTop(1.7f);
    EXPECT_FLOAT_EQ(splitter->RatioFromTop(), 1.0f);
    EXPECT_EQ(splitter->SplitterPos(), 2963);
    EXPECT_EQ(splitter->CurrSplitterPos(), 2670);
    splitter->setRatioFromTop(-0.2f);
    EXPECT_FLOAT_EQ(splitter->RatioFromTop(), 0.0f);
    EXPECT_EQ(splitter->CurrSplitterPos(), 255);
    splitter->setSplitterPos(-10);
    EXPECT_EQ(splitter->SplitterPos(), 0);
    EXPECT_EQ(splitter->CurrSplitterPos(), 255);

    splitter->setMaxSize(1000);
    splitter->setRatioFromTop(0.9f);
    EXPECT_EQ(splitter->CurrSplitterPos(), 1000);
    splitter->setMaxSizeAppliesTo(1);
    splitter->setRatioFromTop(0.1f);
    EXPECT_EQ(splitter->CurrSplitterPos(), 1925);
    splitter->setMaxSizeAppliesTo(0);
    splitter->setMaxSize(100);
    EXPECT_EQ(splitter->MaxSize(), 255);
}

TEST_F(SplitterTest, ResizingKeepsTheRatioOrTheDistance) {
    splitter->setGeometry(0, 0, 100, 100);
    EXPECT_EQ(splitter->CurrSplitterPos(), 750 - 37);
    splitter->setMaintain(0);
    splitter->setSplitterPos(600);
    splitter->setGeometry(0, 0, 200, 100);
    EXPECT_EQ(splitter->CurrSplitterPos(), 600);

    // Too small for both minimums: the first pane keeps its minimum and
    // the second reaches past the edge.
    splitter->setGeometry(0, 0, 33, 100);
    EXPECT_EQ(splitter->CurrSplitterPos(), 255);
    EXPECT_EQ(splitter->Child2Rect().width(), 255);
}

TEST_F(SplitterTest, AMissingChildLeavesTheOtherPlacedAndResizeRaised) {
    splitter->setChild1("nothing");
    resizes = 0;
    splitter->setRatioFromTop(0.25f);
    EXPECT_EQ(resizes, 1);
    EXPECT_TRUE(splitter->Child1Rect().isNull());
    EXPECT_EQ(splitter->Child2Rect().left(), 750 - 37 + 75);

    splitter->setAllowResize(false);
    EXPECT_FALSE(bar()->isVisible());
}

TEST_F(SplitterTest, StoredPropertiesRoundTripAndTakeTheirDefaults) {
    splitter->setOrientation(1);
    splitter->setSplitterSize(60);
    splitter->setRatioFromTop(0.3f);
    splitter->setLiveUpdate(false);
    const QVariantMap stored = splitter->writeProperties();
    EXPECT_EQ(stored.size(), 18);

    Splitter copy(&host);
    copy.setGeometry(0, 0, 200, 100);
    copy.readProperties(stored);
    EXPECT_EQ(copy.Orientation(), 1);
    EXPECT_EQ(copy.SplitterSize(), 60);
    EXPECT_FLOAT_EQ(copy.RatioFromTop(), 0.3f);
    EXPECT_EQ(copy.CurrSplitterPos(), 450 - 30);
    EXPECT_EQ(copy.Child1Rect(), QRect(0, 0, 3000, 420));
    EXPECT_FALSE(copy.LiveUpdate());

    copy.readProperties({});
    // The loaded ratio replaces the loaded distance at the present size.
    EXPECT_EQ(copy.SplitterPos(), 1463);
    EXPECT_EQ(copy.Orientation(), 0);
    EXPECT_EQ(copy.SplitterSize(), 75);
    EXPECT_EQ(copy.Maintain(), 1);
    EXPECT_EQ(copy.SplitterColor(), QColor(64, 64, 64));
    EXPECT_EQ(copy.MinSize1(), 255);
    EXPECT_TRUE(copy.AllowResize());
}
