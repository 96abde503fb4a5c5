#include "platform/scintilla/SciView.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

using S = QsciScintillaBase;

constexpr unsigned kTracked = 1u << 0 | 1u << 8;

// A view that keeps the lines of markers 0 and 8 itself, beside Scintilla's
// own answer for every handle it handed out.
class TrackedView {
public:
    TrackedView() { view.trackMarkerLines(kTracked); }

    void insert(long position, const QByteArray& text) {
        view.send(S::SCI_INSERTTEXT, static_cast<unsigned long>(position), reinterpret_cast<long>(text.constData()));
    }
    long add(long line, int number) {
        const long handle = view.send(S::SCI_MARKERADD, static_cast<unsigned long>(line), number);
        handles.push_back(handle);
        return handle;
    }
    long length() const { return view.send(S::SCI_GETLENGTH); }
    long lines() const { return view.send(S::SCI_GETLINECOUNT); }

    // Scintilla's own scan from the top, against the view's index.
    void expectSameLines() const {
        for (long handle : handles)
            ASSERT_EQ(view.send(S::SCI_MARKERLINEFROMHANDLE, static_cast<unsigned long>(handle)),
                      view.SendScintilla(S::SCI_MARKERLINEFROMHANDLE, static_cast<unsigned long>(handle)))
                << "handle " << handle;
    }

    // Every line from the top, as a pass asks, then lines at random: the
    // handles the view finds on a line are those Scintilla has there.
    void expectSameHandlesOnLines(std::mt19937& random) const {
        std::vector<long> asked(static_cast<size_t>(lines()));
        std::iota(asked.begin(), asked.end(), 0L);
        for (int k = 0; k < 8; ++k)
            asked.push_back(static_cast<long>(random() % static_cast<unsigned>(lines())));
        for (const long line : asked) {
            std::vector<int> found;
            if (!view.trackedMarkersOn(line, found))
                continue;
            for (const int handle : found)
                ASSERT_EQ(view.SendScintilla(S::SCI_MARKERLINEFROMHANDLE, static_cast<unsigned long>(handle)), line);
            for (const long handle : handles) {
                if (view.SendScintilla(S::SCI_MARKERLINEFROMHANDLE, static_cast<unsigned long>(handle)) == line) {
                    ASSERT_NE(std::find(found.begin(), found.end(), handle), found.end()) << "handle " << handle << " line " << line;
                }
            }
        }
    }

    SciView view;
    std::vector<long> handles;
};

}

TEST(MarkerLines, FollowLinesInsertedAtALineStartAndInsideALine) {
    TrackedView doc;
    doc.insert(0, "a\r\nb\r\nc\r\n");
    const long onB = doc.add(1, 8);
    doc.insert(3, "x\r\n");  // at the start of b's line: b moves down
    EXPECT_EQ(doc.view.send(S::SCI_MARKERLINEFROMHANDLE, static_cast<unsigned long>(onB)), 2);
    doc.insert(7, "\r\n");  // inside b's line, after b: b stays
    EXPECT_EQ(doc.view.send(S::SCI_MARKERLINEFROMHANDLE, static_cast<unsigned long>(onB)), 2);
    doc.expectSameLines();
}

TEST(MarkerLines, MarkersOfDeletedLinesJoinTheLineAbove) {
    TrackedView doc;
    doc.insert(0, "a\r\nb\r\nc\r\nd\r\n");
    doc.add(1, 8);
    doc.add(2, 0);
    const long onD = doc.add(3, 8);
    doc.view.send(S::SCI_DELETERANGE, 3, 6);  // b and c's lines
    doc.expectSameLines();
    EXPECT_EQ(doc.view.send(S::SCI_MARKERLINEFROMHANDLE, static_cast<unsigned long>(onD)), 1);
}

TEST(MarkerLines, DeletingByHandleAndByNumberForgetsTheRightMarker) {
    TrackedView doc;
    doc.insert(0, "a\r\nb\r\n");
    const long first = doc.add(0, 8);
    const long second = doc.add(0, 8);
    doc.view.send(S::SCI_MARKERDELETE, 0, 8);
    doc.expectSameLines();
    doc.view.send(S::SCI_MARKERDELETEHANDLE, static_cast<unsigned long>(first == second ? 0 : first));
    doc.expectSameLines();
    EXPECT_EQ(doc.view.send(S::SCI_MARKERGET, 0), 0);
}

TEST(MarkerLines, AgreeWithScintillaThroughRandomEdits) {
    std::mt19937 random(20261209);
    auto pick = [&](long below) { return below <= 0 ? 0L : static_cast<long>(random() % static_cast<unsigned>(below)); };
    static const char* const kPieces[] = {"\r\n", "x", "\r", "\n", "ab\r\ncd\r\n", "\r\n\r\n", "q\n\r"};
    // Every change reported, or only announced before it happens, as editors have it.
    const long masks[] = {S::SC_MODEVENTMASKALL, S::SC_MOD_BEFOREINSERT | S::SC_MOD_BEFOREDELETE};
    for (int round = 0; round < 40; ++round) {
        TrackedView doc;
        doc.view.send(S::SCI_SETMODEVENTMASK, static_cast<unsigned long>(masks[round % 2]));
        doc.insert(0, "one\r\ntwo\r\nthree\r\nfour\r\n");
        doc.view.send(S::SCI_SETUNDOCOLLECTION, 1);
        for (int step = 0; step < 150; ++step) {
            const long lines = doc.lines();
            switch (pick(9)) {
            case 0:
            case 1:
                doc.add(pick(lines), pick(2) ? 8 : 0);
                break;
            case 2:
                doc.view.send(S::SCI_MARKERADDSET, static_cast<unsigned long>(pick(lines)), (1L << 0) | (1L << 3) | (1L << 8));
                break;
            case 3:
                doc.view.send(S::SCI_MARKERDELETE, static_cast<unsigned long>(pick(lines)), pick(2) ? 8 : 0);
                break;
            case 4:
                if (!doc.handles.empty())
                    doc.view.send(S::SCI_MARKERDELETEHANDLE, static_cast<unsigned long>(doc.handles[static_cast<size_t>(pick(static_cast<long>(doc.handles.size())))]));
                break;
            case 5:
            case 6:
                doc.insert(pick(doc.length() + 1), kPieces[pick(std::size(kPieces))]);
                break;
            case 7: {
                const long from = pick(doc.length() + 1);
                doc.view.send(S::SCI_DELETERANGE, static_cast<unsigned long>(from), pick(std::min(doc.length() - from, 12L) + 1));
                break;
            }
            case 8:
                doc.view.send(pick(2) ? S::SCI_UNDO : S::SCI_REDO);
                break;
            }
            doc.expectSameLines();
            doc.expectSameHandlesOnLines(random);
            if (testing::Test::HasFatalFailure())
                return;
        }
    }
}

TEST(MarkerLines, AViewThatStoppedReportingAsksScintillaAgain) {
    TrackedView doc;
    doc.insert(0, "a\r\nb\r\n");
    const long onB = doc.add(1, 8);
    doc.view.send(S::SCI_SETMODEVENTMASK, 0);
    doc.insert(0, "x\r\ny\r\n");
    EXPECT_EQ(doc.view.send(S::SCI_MARKERLINEFROMHANDLE, static_cast<unsigned long>(onB)), 3);
}
