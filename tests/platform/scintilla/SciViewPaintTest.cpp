#include "platform/scintilla/PaintGuard.h"
#include "platform/scintilla/SciView.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <gtest/gtest.h>

#include <memory>

namespace {

using S = QsciScintillaBase;

// A shown view of 60 lines whose styling request, while asked to, also
// restyles the first line, as a parse that recolours a block above the
// caret does.
class SciViewPaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        view = std::make_unique<SciView>();
        view->send(S::SCI_SETLEXER, S::SCLEX_CONTAINER);
        QByteArray text;
        for (int i = 0; i < 60; ++i)
            text += "MMMMMMMM " + QByteArray::number(i) + "\r\n";
        view->send(S::SCI_SETTEXT, 0, reinterpret_cast<sptr_t>(text.constData()));
        view->send(S::SCI_STYLESETFORE, 1, 0x0000FF);
        QObject::connect(view.get(), &S::SCN_STYLENEEDED, view.get(), [this](int position) {
            styledTo = position;
            const sptr_t firstLineEnd = view->send(S::SCI_GETLINEENDPOSITION, 0);
            if (restyleFirstLine)
                firstLineStyle = 1 - firstLineStyle;
            view->send(S::SCI_STARTSTYLING, 0, 0x1f);
            view->send(S::SCI_SETSTYLING, firstLineEnd, firstLineStyle);
            view->send(S::SCI_SETSTYLING, std::max<sptr_t>(0, position - firstLineEnd), 0);
            if (repaintInsideStyling)
                view->viewport()->repaint();
        });
        view->resize(400, 300);
        view->show();
        view->viewport()->installEventFilter(&paintCounter);
        settle();
    }
    void settle() {
        for (int round = 0; round < 10; ++round)
            QCoreApplication::processEvents();
    }
    // Has the viewport paint the rectangle of one line there and then.
    void paintLine(int line) {
        const int height = int(view->send(S::SCI_TEXTHEIGHT, line));
        view->send(S::SCI_STARTSTYLING, 0, 0x1f);
        view->viewport()->repaint(0, line * height, view->viewport()->width(), height);
    }
    // Whether the first line shows in the colour of style 1 on the screen
    // (the window's backing store, not a fresh rendering).
    bool firstLineShowsRed() {
        const QImage shown = view->screen()->grabWindow(view->winId()).toImage();
        const int height = int(view->send(S::SCI_TEXTHEIGHT, 0));
        const QPoint origin = view->viewport()->mapTo(view.get(), QPoint(0, 0));
        for (int y = origin.y(); y < origin.y() + height && y < shown.height(); ++y)
            for (int x = origin.x(); x < shown.width(); ++x) {
                const QColor c = shown.pixelColor(x, y);
                if (c.red() > 150 && c.green() < 100 && c.blue() < 100)
                    return true;
            }
        return false;
    }

    std::unique_ptr<SciView> view;
    int paints = 0;
    int firstLineStyle = 0;
    sptr_t styledTo = 0;
    bool restyleFirstLine = false;
    bool repaintInsideStyling = false;

private:
    struct PaintCounter : QObject {
        explicit PaintCounter(int& count) : count(count) {}
        bool eventFilter(QObject*, QEvent* event) override {
            count += event->type() == QEvent::Paint;
            return false;
        }
        int& count;
    } paintCounter{paints};
};

}

TEST_F(SciViewPaintTest, AChangeOutsideAPartialPaintIsDrawnByALaterPaint) {
    ASSERT_FALSE(firstLineShowsRed());
    const int before = platform::reentrantPaints();
    for (int i = 0; i < 3; ++i) {
        restyleFirstLine = true;
        paintLine(20);
        restyleFirstLine = false;
        settle();
        EXPECT_EQ(view->send(S::SCI_GETSTYLEAT, 0), firstLineStyle);
        EXPECT_EQ(firstLineShowsRed(), firstLineStyle == 1) << "after paint " << i;
    }
    EXPECT_EQ(platform::reentrantPaints(), before);
}

TEST_F(SciViewPaintTest, APaintAskedForInsideAPaintIsPutOffAndCounted) {
    const int before = platform::reentrantPaints();
    repaintInsideStyling = true;
    paintLine(12);
    repaintInsideStyling = false;
    settle();
    EXPECT_GT(platform::reentrantPaints(), before);
}

TEST_F(SciViewPaintTest, APartialPaintAsksForTheStylingOfTheLinesItDrawsOnly) {
    paintLine(2);
    EXPECT_GT(styledTo, view->send(S::SCI_POSITIONFROMLINE, 2));
    EXPECT_LT(styledTo, view->send(S::SCI_POSITIONFROMLINE, 6));
    settle();
    view->send(S::SCI_STARTSTYLING, 0, 0x1f);
    view->viewport()->repaint();
    EXPECT_GT(styledTo, view->send(S::SCI_POSITIONFROMLINE, 15));
}

// A colour message has the component lay out every shown line again, all of
// a line however long. The selection's colour, sent at every change of
// focus, reaches it only when it changes.
TEST_F(SciViewPaintTest, ASelectionColourReachesTheComponentOnlyWhenItChanges) {
    constexpr sptr_t red = 0x0000FF;
    view->send(S::SCI_SETCARETPERIOD, 0);
    view->send(S::SCI_SETSEL, 0, 8);
    view->send(S::SCI_SETSELBACK, 1, red);
    settle();
    ASSERT_TRUE(firstLineShowsRed());
    const int before = paints;
    view->send(S::SCI_SETSELBACK, 1, red);
    settle();
    EXPECT_EQ(paints, before);

    view->send(S::SCI_SETSELBACK, 1, 0x00FF00);
    settle();
    EXPECT_GT(paints, before);
    EXPECT_FALSE(firstLineShowsRed());
    view->send(S::SCI_SETSELBACK, 1, red);
    settle();
    EXPECT_TRUE(firstLineShowsRed());
}

// A paint of the whole view draws its margins in bands; what it shows is what
// paints of one line at a time show.
TEST_F(SciViewPaintTest, AWholeViewPaintShowsWhatLineByLinePaintsShow) {
    view->send(S::SCI_SETMARGINTYPEN, 0, S::SC_MARGIN_NUMBER);
    view->send(S::SCI_SETMARGINWIDTHN, 0, 40);
    view->send(S::SCI_SETMARGINWIDTHN, 1, 12);
    view->send(S::SCI_SETMARGINTYPEN, 2, S::SC_MARGIN_SYMBOL);
    view->send(S::SCI_SETMARGINMASKN, 2, static_cast<sptr_t>(S::SC_MASK_FOLDERS));
    view->send(S::SCI_SETMARGINWIDTHN, 2, 16);
    view->send(S::SCI_MARKERDEFINE, S::SC_MARKNUM_FOLDEROPEN, S::SC_MARK_BOXMINUS);
    view->send(S::SCI_MARKERDEFINE, S::SC_MARKNUM_FOLDERSUB, S::SC_MARK_VLINE);
    view->send(S::SCI_MARKERDEFINE, S::SC_MARKNUM_FOLDERTAIL, S::SC_MARK_LCORNER);
    view->send(S::SCI_MARKERADD, 3, 1);
    for (int line = 0; line < 60; ++line) {
        const int level = line % 10 == 0 ? S::SC_FOLDLEVELBASE | S::SC_FOLDLEVELHEADERFLAG : S::SC_FOLDLEVELBASE + 1;
        view->send(S::SCI_SETFOLDLEVEL, static_cast<uptr_t>(line), level);
    }
    settle();
    auto shown = [&] { return view->screen()->grabWindow(view->winId()).toImage(); };
    view->viewport()->repaint();
    const QImage whole = shown();
    view->viewport()->update();
    settle();
    const int height = int(view->send(S::SCI_TEXTHEIGHT, 0));
    ASSERT_GT(view->viewport()->height(), 2 * 96);
    for (int top = 0; top < view->viewport()->height(); top += height) {
        view->send(S::SCI_STARTSTYLING, 0, 0x1f);
        view->viewport()->repaint(0, top, view->viewport()->width(), height);
    }
    EXPECT_EQ(shown(), whole);
}
