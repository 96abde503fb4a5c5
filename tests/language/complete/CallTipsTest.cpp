#include "language/parser/ParsedDocuments.h"

#include "editor/SciWrappers.h"
#include "language/complete/CallTips.h"
#include "language/complete/QuickHelp.h"
#include "language/editing/NotificationHandler.h"
#include "language/keywords/KeywordFiles.h"

namespace {

class CallTipsTest : public ParsedDocumentsTest {
protected:
    void SetUp() override {
        ParsedDocumentsTest::SetUp();
        useKeywords(keywordFileText({"Mid$ (string$,start[,count])", "Print [string$]", "Int (value)"}, 0));
    }

    void caretAt(long line, long column) {
        const long caret = SciPositionFromLine(line) + column;
        SciGotoPos(caret);
        ShowHelp(caret, line);
    }
};

}

TEST_F(CallTipsTest, ATipFollowsTheCaretWithinItsCallAndClosesInAnother) {
    frmDoc& doc = parse("a$ = Mid(s$, 3, 4) + Int(\r\n");
    SciGotoPos(12);
    ShowCalltip();
    EXPECT_EQ(LastCallTip().text, "Mid$ (string$,start,[count])");
    EXPECT_EQ(LastCallTip().highlightStart, 14);
    EXPECT_FALSE(doc.m_oSubclass->mShowCallTip);

    caretAt(0, 15);
    EXPECT_EQ(LastCallTip().highlightStart, 20) << "the third argument now";
    caretAt(0, 25);
    EXPECT_TRUE(LastCallTip().text.isEmpty()) << "another call closes the tip";
    EXPECT_EQ(quickHelp().text(), "Int (value) ");
    EXPECT_EQ(quickHelp().colourStart(), 5);
    EXPECT_EQ(quickHelp().colourLength(), 5);

    caretAt(0, 1);
    EXPECT_TRUE(quickHelp().text().isEmpty());
}

TEST_F(CallTipsTest, AnIndexInsideTheArgumentsStartsTheCountAgain) {
    parse("Dim grid(10)\r\nx = Int(grid(2, \r\nx = Mid(\r\n");
    bool isFunction = false;
    QString name;
    int argument = 0;
    bool scope = false;
    ZemiHelp(isFunction, name, argument, SciPositionFromLine(1) + 16, 1, scope);
    EXPECT_EQ(name, "Int");
    EXPECT_EQ(argument, 1);

    argument = 0;
    ZemiHelp(isFunction, name, argument, SciPositionFromLine(2) + 5, 2, scope);
    EXPECT_EQ(name, "Mid");
    EXPECT_EQ(argument, 0) << "on the name itself";
}

TEST_F(CallTipsTest, ABlockEndKeepsTheTipRequestForTheScopeDisplay) {
    frmDoc& doc = parse("While a\r\nWend\r\n");
    SciGotoPos(SciPositionFromLine(1) + 4);
    ShowCalltip();
    EXPECT_EQ(quickHelp().text(), " SCOPE: While a");
    EXPECT_TRUE(doc.m_oSubclass->mShowCallTip);
}
