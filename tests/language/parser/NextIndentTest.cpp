#include "language/parser/ParsedDocuments.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "language/parser/DocumentPasses.h"
#include "language/parser/NextIndent.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "support/Recolouring.h"
#include "vocabulary/SettingsValues.h"
#include "vocabulary/StyleNumbers.h"

using NextIndentTest = ParsedDocumentsTest;

TEST_F(NextIndentTest, CountsTheBlocksOfTheNearestLineOfCode) {
    parse("");
    SciLoadText(gSciWndData, "        For i=1 To 10\r\n    Next\r\n; note\r\n\r\n"
                             "      x\r\n          y\r\nIf a Then b=1\r\nSelect x\r\n");
    TabValue = 4;
    EXPECT_EQ(GetNextIndent(0), 4);
    EXPECT_EQ(GetNextIndent(1), 1);  // its close counts: the parser has not re-indented it
    EXPECT_EQ(GetNextIndent(3), 1);  // blank and comment lines are skipped upward
    EXPECT_EQ(GetNextIndent(4), 2);  // 6 columns: 2.5 rounds to the even 2
    EXPECT_EQ(GetNextIndent(5), 4);  // 10 columns: 3.5 rounds to 4
    EXPECT_EQ(GetNextIndent(6), 1);
    EXPECT_EQ(GetNextIndent(7), 3);
    EXPECT_EQ(GetNextIndent(-1), 1);
}

TEST_F(NextIndentTest, RecolouringRestylesKeywordsInTheTablesSpelling) {
    parse("x = 1\r\n");
    SciLoadText(gSciWndData, "print x : while y\r\n");
    ReColorFile();
    EXPECT_EQ(lineText(0), "Print x : While y\r\n");
    EXPECT_EQ(styleAt(0), STYLE_Keyword);
    EXPECT_EQ(styleAt(10), STYLE_Keyword);
    EXPECT_EQ(styleAt(6), STYLE_Text);
}

// The closing words count by their keyword, in any letter case, as the
// parser counts them.
TEST_F(NextIndentTest, ClosingWordsCountInAnyLetterCase) {
    parse("");
    SciLoadText(gSciWndData, "    End If\r\n    end if\r\n    If a Then\r\n    if a then\r\n    Else\r\n    else\r\n");
    TabValue = 4;
    EXPECT_EQ(GetNextIndent(0), 1);
    EXPECT_EQ(GetNextIndent(1), 1);
    EXPECT_EQ(GetNextIndent(2), 3);
    EXPECT_EQ(GetNextIndent(3), 3);
    EXPECT_EQ(GetNextIndent(4), 2);
    EXPECT_EQ(GetNextIndent(5), 2);
}
