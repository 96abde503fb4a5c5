#include "editor/Bookmarks.h"
#include "editor/Breakpoints.h"
#include "editor/CurrentView.h"
#include "editor/EditorFixture.h"
#include "editor/SciWrappers.h"
#include "editor/TargetRange.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "vocabulary/Markers.h"
#include "vocabulary/SettingsValues.h"

using MarginToggles = EditorTest;

namespace {
bool hasMarker(long line, int marker) {
    return SciMarkerGet(line) & markerMask(marker);
}
}

TEST_F(MarginToggles, ReplaceTargetRangeKeepsAStaleRangeInsideTheDocument) {
    auto doc = openDocument("abc\r\ndef");
    ReplaceTargetRange(1, 2, "XY");
    EXPECT_EQ(SciGetAllText(gSciWndData), "aXYc\r\ndef");
    ReplaceTargetRange(7, 500, "!");
    EXPECT_EQ(SciGetAllText(gSciWndData), "aXYc\r\nd!");
    ReplaceTargetRange(3, -4, "");
    EXPECT_EQ(SciGetAllText(gSciWndData), "aXYc\r\nd!");
}

TEST_F(MarginToggles, ABookmarkComesAndGoesAndMarksTheDocumentChangedWhenSetSo) {
    auto doc = openDocument("a\r\nb\r\nc");
    ToggleBookmark(SciPositionFromLine(1) + 1);
    EXPECT_TRUE(hasMarker(1, MARKER_BOOKMARK));
    EXPECT_TRUE(doc->Dirty());
    SciGotoLine(1);
    ToggleBookmark(-1);
    EXPECT_FALSE(hasMarker(1, MARKER_BOOKMARK));

    doc->setDirty(false);
    FileDirtyOnBookmarks = 0;
    ToggleBookmark(0);
    EXPECT_TRUE(hasMarker(0, MARKER_BOOKMARK));
    EXPECT_FALSE(doc->Dirty());
}

TEST_F(MarginToggles, ABreakpointPutsStopAtTheLineStartAndTakesItAwayAgain) {
    auto doc = openDocument("    Print x\r\n\r\n  \r\n  stop: y\r\nz = 1\r\nStop");
    ToggleBreakPoint(0);
    EXPECT_EQ(SciGetLineText(0), "Stop :    Print x\r\n");
    EXPECT_TRUE(hasMarker(0, MARKER_BREAKPOINT));
    SciUndo();
    EXPECT_EQ(SciGetLineText(0), "    Print x\r\n");
    SciRedo();
    ToggleBreakPoint(0);
    EXPECT_EQ(SciGetLineText(0), "    Print x\r\n");
    EXPECT_FALSE(hasMarker(0, MARKER_BREAKPOINT));

    ToggleBreakPoint(1);
    EXPECT_EQ(SciGetLineText(1), "Stop\r\n");
    ToggleBreakPoint(2);
    EXPECT_EQ(SciGetLineText(2), "Stop  \r\n");

    SciMarkerAdd(3, MARKER_BREAKPOINT);
    SciGotoLine(3);
    ToggleBreakPoint(-1);
    EXPECT_EQ(SciGetLineText(3), "   y\r\n");
    EXPECT_FALSE(hasMarker(3, MARKER_BREAKPOINT));

    // A marked line that is no Stop line keeps both.
    SciMarkerAdd(4, MARKER_BREAKPOINT);
    ToggleBreakPoint(4);
    EXPECT_EQ(SciGetLineText(4), "z = 1\r\n");
    EXPECT_TRUE(hasMarker(4, MARKER_BREAKPOINT));

    // A Stop that ends the document goes too.
    SciMarkerAdd(5, MARKER_BREAKPOINT);
    ToggleBreakPoint(5);
    EXPECT_EQ(SciGetLineText(5), "");
    ToggleBreakPoint(5);
    EXPECT_EQ(SciGetLineText(5), "");
    ToggleBreakPoint(99);
}
