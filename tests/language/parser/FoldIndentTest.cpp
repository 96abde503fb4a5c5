#include "language/parser/ParsedDocuments.h"

#include "editor/SciWrappers.h"
#include "language/parser/FoldIndent.h"
#include "language/parser/ParseState.h"
#include "vocabulary/Markers.h"

using FoldIndentTest = ParsedDocumentsTest;

namespace {
void flatten(int lines) {
    for (int line = 0; line < lines; ++line)
        SciSetFoldLevel(line, kFoldBase);
}
}

TEST_F(FoldIndentTest, ReLevelsAFunctionBodyDownToTheNextBoundary) {
    parse("Function F()\r\n;[Block\r\nx\r\n;[End\r\n;[End\r\ny\r\nEnd Function\r\nz\r\n");
    flatten(8);
    SciMarkerAdd(2, MARKER_MAINPROGRAM);
    SciMarkerAdd(6, MARKER_MAINPROGRAM);
    gCurrentFunction = QStringLiteral("F");
    CheckFold(0, kFoldBase + 1);
    EXPECT_EQ(foldLevel(1), (kFoldBase + 1) | kFoldHeaderFlag);
    EXPECT_EQ(foldLevel(2), kFoldBase + 2);
    EXPECT_EQ(foldLevel(3), kFoldBase + 2);
    EXPECT_EQ(foldLevel(4), kFoldBase + 1);
    EXPECT_EQ(foldLevel(5), kFoldBase + 1);
    EXPECT_EQ(foldLevel(6), kFoldBase);
    EXPECT_FALSE(hasMarker(2, MARKER_MAINPROGRAM));
    EXPECT_FALSE(hasMarker(6, MARKER_MAINPROGRAM));
}

TEST_F(FoldIndentTest, ReLevelsTheMainProgramToTheLastLine) {
    parse("a\r\n;[End\r\n;[End\r\nb\r\n");
    flatten(5);
    SciMarkerDelete(4, MARKER_MAINPROGRAM);
    gCurrentFunction = kMainProgram;
    CheckFold(0, kFoldBase);
    EXPECT_EQ(foldLevel(1), kFoldBase);
    EXPECT_EQ(foldLevel(3), kFoldBase);
    EXPECT_EQ(foldLevel(4), kFoldBase);
    EXPECT_TRUE(hasMarker(4, MARKER_MAINPROGRAM));
}
