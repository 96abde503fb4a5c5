#include "platform/scintilla/SciView.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include <random>
#include <utility>
#include <vector>

namespace {

using S = QsciScintillaBase;

constexpr unsigned kKept = 1u << 3 | 1u << 21;

// The same messages to a view that keeps markers 3 and 21 itself and to a
// view that leaves every marker to Scintilla: their answers must agree.
class TwinViews {
public:
    // Markers 8 and 9 stay with Scintilla; the view finds their lines itself.
    TwinViews() {
        kept.keepMarkersItself(kKept);
        kept.trackMarkerLines(1u << 8 | 1u << 9);
        kept.searchMarkerLines(1u << 8 | 1u << 9);
    }

    long both(unsigned message, unsigned long wParam = 0, long lParam = 0) {
        plain.send(message, wParam, lParam);
        return kept.send(message, wParam, lParam);
    }
    void insert(long position, const char* text) {
        both(S::SCI_INSERTTEXT, static_cast<unsigned long>(position), reinterpret_cast<long>(text));
    }
    long lines() const { return plain.send(S::SCI_GETLINECOUNT); }
    long length() const { return plain.send(S::SCI_GETLENGTH); }

    void expectSameMarkers() const {
        for (long line = 0; line < lines(); ++line) {
            ASSERT_EQ(kept.send(S::SCI_MARKERGET, static_cast<unsigned long>(line)),
                      plain.send(S::SCI_MARKERGET, static_cast<unsigned long>(line)))
                << "line " << line;
            for (long mask : {1L << 3, 1L << 21, 1L << 8, 1L << 9, (1L << 3) | (1L << 8), (1L << 8) | (1L << 9)}) {
                for (unsigned message : {S::SCI_MARKERNEXT, S::SCI_MARKERPREVIOUS})
                    ASSERT_EQ(kept.send(message, static_cast<unsigned long>(line), mask),
                              plain.send(message, static_cast<unsigned long>(line), mask))
                        << "line " << line << " mask " << mask;
            }
        }
    }

    SciView kept;
    SciView plain;
};

}

// More markers of a number on one line than the view counts, added there or
// joined from a deleted line.
TEST(KeptMarkers, ALineWithManyMarkersOfANumberIsFoundTillItsLastGoes) {
    for (const bool joined : {false, true}) {
        TwinViews twins;
        twins.insert(0, "a\r\nb\r\nc\r\nd\r\n");
        for (int i = 0; i < 20; ++i)
            twins.both(S::SCI_MARKERADD, joined && i % 2 ? 2 : 1, 8);
        twins.both(S::SCI_MARKERADD, 3, 9);
        if (joined)
            twins.both(S::SCI_DELETERANGE, static_cast<unsigned long>(twins.both(S::SCI_GETLINEENDPOSITION, 1)), 2);
        twins.expectSameMarkers();
        for (int i = 0; i < 20; ++i) {
            twins.both(S::SCI_MARKERDELETE, 1, 8);
            twins.expectSameMarkers();
        }
    }
}

// Lines inserted at a line start take its markers down, markers of deleted
// lines add up on the line above (so that deleting one leaves the other),
// and the whole text going takes every marker with it.
TEST(KeptMarkers, MoveWithTheTextAsScintillasOwnDo) {
    TwinViews twins;
    twins.insert(0, "a\r\nb\r\nc\r\nd\r\n");
    twins.both(S::SCI_MARKERADDSET, 1, (1L << 3) | (1L << 8));
    twins.both(S::SCI_MARKERADD, 2, 3);
    twins.insert(3, "x\r\n");
    twins.expectSameMarkers();
    EXPECT_EQ(twins.kept.send(S::SCI_MARKERGET, 2), (1L << 3) | (1L << 8));
    twins.both(S::SCI_DELETERANGE, 5, 5);  // b's line end and c's line: its marker joins b's
    twins.both(S::SCI_MARKERDELETE, 2, 3);
    twins.expectSameMarkers();
    EXPECT_EQ(twins.kept.send(S::SCI_MARKERGET, 2) & (1L << 3), 1L << 3);
    twins.both(S::SCI_DELETERANGE, 0, twins.length());
    twins.insert(0, "a\r\nb\r\n");
    twins.expectSameMarkers();
    EXPECT_EQ(twins.kept.send(S::SCI_MARKERNEXT, 0, 1L << 3), -1);
}

// The view asked to report nothing still moves its markers; it answers the
// event mask it was given.
TEST(KeptMarkers, FollowEditsMadeWhileTheViewReportsNothing) {
    TwinViews twins;
    twins.insert(0, "a\r\nb\r\n");
    twins.both(S::SCI_MARKERADD, 1, 21);
    twins.both(S::SCI_SETMODEVENTMASK, 0);
    EXPECT_EQ(twins.kept.send(S::SCI_GETMODEVENTMASK), 0);
    twins.insert(0, "x\r\ny\r\n");
    twins.expectSameMarkers();
    EXPECT_EQ(twins.kept.send(S::SCI_MARKERNEXT, 0, 1L << 21), 3);
}

TEST(KeptMarkers, AgreeWithScintillaThroughRandomEdits) {
    std::mt19937 random(20261210);
    auto pick = [&](long below) { return below <= 0 ? 0L : static_cast<long>(random() % static_cast<unsigned>(below)); };
    static const char* const kPieces[] = {"\r\n", "x", "\r", "\n", "ab\r\ncd\r\n", "\r\n\r\n", "q\n\r"};
    const long masks[] = {S::SC_MODEVENTMASKALL, S::SC_MOD_BEFOREINSERT | S::SC_MOD_BEFOREDELETE, 0};
    const int numbers[] = {3, 21, 8, 9};
    for (int round = 0; round < 30; ++round) {
        TwinViews twins;
        std::vector<std::pair<long, long>> handles;
        twins.both(S::SCI_SETMODEVENTMASK, static_cast<unsigned long>(masks[round % 3]));
        twins.insert(0, "one\r\ntwo\r\nthree\r\nfour\r\n");
        for (int step = 0; step < 120; ++step) {
            const long lines = twins.lines();
            switch (pick(10)) {
            case 0: {
                const auto line = static_cast<unsigned long>(pick(lines + 1));
                const int number = numbers[pick(4)];
                const long plainHandle = twins.plain.send(S::SCI_MARKERADD, line, number);
                const long keptHandle = twins.kept.send(S::SCI_MARKERADD, line, number);
                if ((number == 8 || number == 9) && plainHandle >= 0)
                    handles.emplace_back(plainHandle, keptHandle);
                break;
            }
            case 9:
                if (!handles.empty()) {
                    const auto [plainHandle, keptHandle] = handles[static_cast<size_t>(pick(long(handles.size())))];
                    twins.plain.send(S::SCI_MARKERDELETEHANDLE, static_cast<unsigned long>(plainHandle));
                    twins.kept.send(S::SCI_MARKERDELETEHANDLE, static_cast<unsigned long>(keptHandle));
                }
                break;
            case 1:
                twins.both(S::SCI_MARKERADDSET, static_cast<unsigned long>(pick(lines)), (1L << 3) | (pick(2) << 21) | (pick(2) << 8) | (pick(2) << 9));
                break;
            case 2:
                twins.both(S::SCI_MARKERDELETE, static_cast<unsigned long>(pick(lines)), pick(5) ? numbers[pick(4)] : -1);
                break;
            case 3:
                twins.both(S::SCI_MARKERDELETEALL, static_cast<unsigned long>(pick(4) ? numbers[pick(4)] : -1));
                break;
            case 4:
            case 5:
                twins.insert(pick(twins.length() + 1), kPieces[pick(std::size(kPieces))]);
                break;
            case 6: {
                const long from = pick(twins.length() + 1);
                twins.both(S::SCI_DELETERANGE, static_cast<unsigned long>(from), pick(std::min(twins.length() - from, 12L) + 1));
                break;
            }
            case 7:
                twins.both(pick(2) ? S::SCI_UNDO : S::SCI_REDO);
                break;
            case 8:
                if (pick(8) == 0)
                    twins.both(S::SCI_DELETERANGE, 0, twins.length());
                break;
            }
            twins.expectSameMarkers();
            if (testing::Test::HasFatalFailure())
                return;
        }
    }
}
