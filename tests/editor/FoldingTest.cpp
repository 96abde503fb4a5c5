#include "language/parser/ParsedDocuments.h"

#include "editor/Folding.h"
#include "editor/SciWrappers.h"
#include "vocabulary/Markers.h"
#include "vocabulary/SettingsValues.h"

using FoldingTest = ParsedDocumentsTest;

TEST_F(FoldingTest, TogglingAFoldMovesAHiddenCaretToItsHeader) {
    frmDoc& doc = parse("Function F()\r\nx = 1\r\ny = 2\r\nEnd Function\r\n");
    SciGotoPos(SciPositionFromLine(2) + 3);
    FileDirtyOnBookmarks = 0;
    ToggleFold(0);
    EXPECT_FALSE(SciGetLineVisible(2));
    EXPECT_EQ(SciGetCurrentPos(), 0);
    EXPECT_FALSE(doc.Dirty());

    FileDirtyOnBookmarks = 1;
    ToggleFold(0);
    EXPECT_TRUE(SciGetLineVisible(2));
    EXPECT_TRUE(doc.Dirty());
}

TEST_F(FoldingTest, FoldingEverythingOfAKindTouchesOnlyThoseHeadersAndNothingWithoutTheMargin) {
    parse("Type T\r\nField a\r\nEnd Type\r\nFunction F()\r\nx = 1\r\nEnd Function\r\n");
    SciGotoPos(SciPositionFromLine(4) + 2);
    FoldEverything(kFoldFunctions);
    EXPECT_TRUE(SciGetLineVisible(1));
    EXPECT_FALSE(SciGetLineVisible(4));
    EXPECT_EQ(SciGetCurrentPos(), SciPositionFromLine(3));

    FoldEverything(kFoldAllHeaders);
    EXPECT_FALSE(SciGetLineVisible(1));
    UnFoldEverything(kFoldTypes);
    EXPECT_TRUE(SciGetLineVisible(1));
    EXPECT_FALSE(SciGetLineVisible(4));

    ShowFoldMargin = 0;
    UnFoldEverything(kFoldAllHeaders);
    EXPECT_FALSE(SciGetLineVisible(4));
    ShowFoldMargin = 1;
    UnFoldEverything(kFoldAllHeaders);
    EXPECT_TRUE(SciGetLineVisible(4));
}
