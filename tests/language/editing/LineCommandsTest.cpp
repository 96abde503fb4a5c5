#include "language/parser/ParsedDocuments.h"

#include "editor/SciWrappers.h"
#include "language/editing/AutoIndent.h"
#include "language/editing/LineCommands.h"
#include "vocabulary/SettingsValues.h"

using LineCommandsTest = ParsedDocumentsTest;

namespace {

QByteArray numberedLines(int count) {
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += "x" + QByteArray::number(i) + " = " + QByteArray::number(i) + "\r\n";
    return text;
}

QList<int> indentations() {
    QList<int> columns;
    for (long line = 0; line + 1 < SciGetLineCount(); ++line)
        columns.append(int(SciGetLineIndentation(line)));
    return columns;
}

}

TEST_F(LineCommandsTest, IndentingTakesWholeLinesUpToALineTheSelectionOnlyTouches) {
    parse(numberedLines(8));
    SciSetSel(SciPositionFromLine(3) + 2, SciPositionFromLine(6));
    IndentSelectedLines();
    EXPECT_EQ(indentations(), QList<int>({0, 0, 0, 4, 4, 4, 0, 0}));
    EXPECT_EQ(SciGetSelectionStart(), SciPositionFromLine(3));
    EXPECT_EQ(SciGetSelectionEnd(), SciGetLineEndPosition(5));

    SciUndo();
    EXPECT_EQ(indentations(), QList<int>(8, 0));

    SciSetSel(SciPositionFromLine(1), SciPositionFromLine(1) + 1);
    SciSetLineIndentation(1, 2);
    SciSetSel(SciPositionFromLine(1), SciGetLineEndPosition(1));
    UnindentSelectedLines();
    EXPECT_EQ(SciGetLineIndentation(1), 0);
}

TEST_F(LineCommandsTest, IndentingWithoutASelectionTypesATab) {
    parse("abc\r\n");
    SciGotoPos(1);
    IndentSelectedLines();
    EXPECT_EQ(lineText(0), "a\tbc\r\n");
}

TEST_F(LineCommandsTest, UncommentingTakesOneLeadingSemicolonOnly) {
    parse(";;x\r\nx ;y\r\n  ;z\r\n");
    SciSetSel(0, SciGetLength());
    UncommentSelectedLines();
    EXPECT_EQ(documentText(), ";x\r\nx ;y\r\n  z\r\n");

    SciSetSel(0, SciGetLineEndPosition(1));
    CommentSelectedLines();
    EXPECT_EQ(documentText(), ";;x\r\n;x ;y\r\n  z\r\n");
    SciUndo();
    EXPECT_EQ(documentText(), ";x\r\nx ;y\r\n  z\r\n");
}

TEST_F(LineCommandsTest, CommentingACollapsedFunctionCommentsItsHiddenBody) {
    parse("Function F()\r\nx = 1\r\nEnd Function\r\ny = 2\r\n");
    SciToggleFold(0);
    ASSERT_FALSE(SciGetLineVisible(1));
    SciGotoPos(0);
    CommentSelectedLines();
    EXPECT_EQ(documentText(), ";Function F()\r\n;x = 1\r\n;End Function\r\ny = 2\r\n");
}

TEST_F(LineCommandsTest, ABlockFromSelectionIsOneUndoAction) {
    parse(numberedLines(16));
    SciSetSel(SciPositionFromLine(10), SciGetLineEndPosition(12));
    InsertBlockComment();
    EXPECT_EQ(lineText(10), ";[Block]\r\n");
    EXPECT_EQ(lineText(11), "x10 = 10\r\n");
    EXPECT_EQ(lineText(14), ";[End Block]\r\n");
    EXPECT_EQ(SciLineFromPosition(SciGetCurrentPos()), 15);

    SciUndo();
    EXPECT_EQ(documentText(), numberedLines(16));
}

TEST_F(LineCommandsTest, ABlockEndingOnTheLastLineClosesOnALineOfItsOwn) {
    parse("a = 1\r\nb = 2");
    SciSetSel(SciPositionFromLine(1), SciGetLength());
    InsertBlockComment();
    EXPECT_EQ(documentText(), "a = 1\r\n;[Block]\r\nb = 2\r\n;[End Block]");
}

TEST_F(LineCommandsTest, AutoIndentFollowsTheScopeKeywords) {
    parse("Select a\r\nCase 1\r\nx = 1\r\nDefault\r\ny = 2\r\nEnd Select\r\n");
    SciSetSel(0, SciGetLength());
    AutoIndentSelection();
    EXPECT_EQ(indentations(), QList<int>({0, 4, 8, 4, 8, 0}));

    SciUndo();
    EXPECT_EQ(indentations(), QList<int>(6, 0));
}

TEST_F(LineCommandsTest, AutoIndentLeavesCommentLinesAndKeepsTheCaret) {
    parse("If a Then\r\n  ; note\r\nx = 1\r\nEndIf\r\nFunction F()\r\ny = 1\r\nEnd Function\r\n");
    SciGotoPos(SciPositionFromLine(2) + 3);
    AutoindentCurrentFunction();
    EXPECT_EQ(indentations(), QList<int>({0, 2, 4, 0, 0, 0, 0}));
    EXPECT_EQ(SciGetCurrentPos(), SciPositionFromLine(2) + 3);

    SciGotoPos(SciPositionFromLine(5));
    AutoindentCurrentFunction();
    EXPECT_EQ(indentations(), QList<int>({0, 2, 4, 0, 0, 4, 0}));
}
