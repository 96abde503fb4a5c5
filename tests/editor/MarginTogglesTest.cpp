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

TEST_F(MarginToggles, ABreakpointPutsStopBeforeTheStatementAndTakesItAwayAgain) {
    auto doc = openDocument("x = 1\r\n\r\n    \r\n  Stop: y\r\n");
    ToggleBreakPoint(0);
    EXPECT_EQ(SciGetLineText(0), "Stop :x = 1\r\n");
    EXPECT_TRUE(hasMarker(0, MARKER_BREAKPOINT));
    SciUndo();
    EXPECT_EQ(SciGetLineText(0), "x = 1\r\n");
    SciRedo();
    ToggleBreakPoint(0);
    EXPECT_EQ(SciGetLineText(0), "x = 1\r\n");
    EXPECT_FALSE(hasMarker(0, MARKER_BREAKPOINT));

    ToggleBreakPoint(1);
    EXPECT_EQ(SciGetLineText(1), "\r\n");
    EXPECT_FALSE(hasMarker(1, MARKER_BREAKPOINT));
    ToggleBreakPoint(2);
    EXPECT_EQ(SciGetLineText(2), "    Stop\r\n");
    ToggleBreakPoint(2);
    EXPECT_EQ(SciGetLineText(2), "    \r\n");

    SciMarkerAdd(3, MARKER_BREAKPOINT);
    SciGotoLine(3);
    ToggleBreakPoint(-1);
    EXPECT_EQ(SciGetLineText(3), "   y\r\n");
    EXPECT_FALSE(hasMarker(3, MARKER_BREAKPOINT));
    ToggleBreakPoint(99);
}
