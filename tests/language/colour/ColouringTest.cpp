#include "editor/SciWrappers.h"
#include "editor/UndoGroups.h"
#include "editor/CurrentView.h"
#include "platform/scintilla/PaintGuard.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "language/colour/ColouringFlags.h"
#include "language/colour/Colouring.h"
#include "vocabulary/StyleNumbers.h"
#include "language/complete/Autocomplete.h"
#include "language/complete/CompletionFlags.h"
#include "language/lexer/Lexer.h"
#include "language/parser/ParseState.h"
#include "language/parser/ParsedDocuments.h"
#include "language/parser/Parser.h"

class Colouring : public ParsedDocumentsTest {
protected:
    void TearDown() override {
        gCollectReferences = false;
        gCharAdded = gAutoCForced = gAutoCCommand = gAutoCShown = false;
        ParsedDocumentsTest::TearDown();
    }

    void colourAllLight() {
        gCurrentFunction.clear();
        gCurrentType.clear();
        for (int line = 0; line < SciGetLineCount(); ++line)
            ColorLineLight(line, true);
    }
    long positionOf(int line, int column) const { return SciPositionFromLine(line) + column; }
};

TEST_F(Colouring, LightPassesCollectEveryUseOfAName) {
    parse("Global g\r\ng = 1\r\nPrint g\r\nx = g\r\n");
    gCollectReferences = true;
    colourAllLight();
    EXPECT_EQ(recordIn<CodeRecord>(project().Globals, "g")->References(),
              QStringList({"test.bb!7", "test.bb!10", "test.bb!23", "test.bb!30"}));
}

// The styles of lines coloured in order reach the view by the document's last
// line, or when the walk says it ends; what no run covers keeps its style,
// and a respelling on the way moves no style.
TEST_F(Colouring, LightStylesOfAWalkReachTheViewWhereverItEnds) {
    parse("Global MyVar\r\nMyVar = 1\r\nmyvar = 2\r\nMyVar = 3\r\nx = MyVar");
    const auto walk = [&](int lines) {
        SciStartStyling(0, 255);
        SciSetStyling(SciGetLength(), 7);
        SciGotoPos(0);
        gCurrentFunction.clear();
        gCurrentType.clear();
        for (int line = 0; line < lines; ++line)
            ColorLineLight(line, true);
    };
    walk(4);
    EndLightColouringWalk();
    for (int line = 1; line <= 3; ++line) {
        EXPECT_EQ(styleAt(positionOf(line, 0)), STYLE_GlobalVar) << line;
        EXPECT_EQ(styleAt(positionOf(line, 4)), STYLE_GlobalVar) << line;
        EXPECT_EQ(styleAt(positionOf(line, 6)), 7) << line;
    }
    EXPECT_EQ(lineText(2), QByteArray("MyVar = 2\r\n"));
    EXPECT_EQ(styleAt(positionOf(4, 4)), 7) << "a line the walk did not reach";

    walk(5);
    EXPECT_EQ(styleAt(positionOf(4, 4)), STYLE_GlobalVar);
    EXPECT_EQ(styleAt(positionOf(4, 2)), 7);
}

TEST_F(Colouring, CaseCorrectionWaitsForOpenUndoGroups) {
    parse("Global MyVar\r\nmyvar = 1\r\n");
    SciEmptyUndoBuffer();
    SciGotoPos(0);
    SciBeginUndoAction();
    ColorLineLight(1, false);
    EXPECT_EQ(lineText(1), QByteArray("myvar = 1\r\n"));
    SciEndUndoAction();
    // One end too many stays away from the view.
    SciEndUndoAction();
    EXPECT_EQ(OpenUndoGroups(), 0);
    ColorLineLight(1, false);
    EXPECT_EQ(lineText(1), QByteArray("MyVar = 1\r\n"));
    SciUndo();
    EXPECT_EQ(lineText(1), QByteArray("MyVar = 1\r\n")) << "the respelling is no undo step";
}

// Lines the component shows or styles in the middle of an edit of its own are
// coloured inside that edit's undo group, which a respelling must leave open.
TEST_F(Colouring, CaseCorrectionWaitsOutEditsOfTheComponentItself) {
    parse("Global MyVar\r\nmyvar = 1\r\n");
    SciGotoPos(0);
    SciDirect(gSciWndData, QsciScintillaBase::SCI_BEGINUNDOACTION);
    {
        platform::NotificationScope notified;
        ColorLineLight(1, false);
    }
    EXPECT_EQ(lineText(1), QByteArray("myvar = 1\r\n"));
    SciDirect(gSciWndData, QsciScintillaBase::SCI_ENDUNDOACTION);
    ColorLineLight(1, false);
    EXPECT_EQ(lineText(1), QByteArray("MyVar = 1\r\n"));
}

TEST_F(Colouring, TheCaretLineTakesItsOwnScopeForIndexesAndLists) {
    parse("Dim arr(5)\r\nFunction F(index)\r\nLocal counter\r\narr(index) = coun\r\nEnd Function\r\n");
    // What a style-needed pass over the main program leaves behind.
    gCurrentFunction = kMainProgram;
    gCurrentLocals = project().MainFunLocals;
    SciGotoPos(SciGetLineEndPosition(3));
    gAutoCForced = true;
    gCharAdded = true;
    ColorCurrentLine(3, false);
    EXPECT_EQ(styleAt(positionOf(3, 4)), STYLE_LocalVar);
    EXPECT_EQ(LastCompletionList(), QStringList({"counter"}));
}

TEST_F(Colouring, ListsHaveNoFixedCapacity) {
    QByteArray text;
    for (int k = 0; k < 1200; ++k)
        text += "Global name" + QByteArray::number(k) + "\r\n";
    parse(text + "nam");
    SciGotoPos(SciGetLength());
    ShowAutocomplete();
    EXPECT_EQ(LastCompletionList().size(), 1200);
}

TEST_F(Colouring, CommentsAndStringsOnALastLineRunToItsLastCharacter) {
    for (const QByteArray& line : {QByteArray("x = 1 ; note"), QByteArray("x = 1 ;! note"), QByteArray(";[Block b"),
                                   QByteArray("x = \"open")}) {
        parse(line);
        SciGotoPos(SciGetLength());
        ColorCurrentLine(0, false);
        EXPECT_NE(styleAt(SciGetLength() - 1), STYLE_Text) << line.constData();
    }
}

TEST_F(Colouring, UnparsedTextLongerThanALineIsCut) {
    parse("Function F()\r\nEnd Function\r\n");
    gCurrentFunction.clear();
    ColorUnparsedLineLight(0, true, "Function F()" + QByteArray(kMaxLineLength + 100, 'a'));
    EXPECT_EQ(gCurrentFunction, QStringLiteral("F"));
}

TEST_F(Colouring, UndoGroupsAreCountedPerView) {
    frmDoc& first = parse("Global MyVar\r\n");
    frmDoc& second = parse("Global Other\r\nother = 1\r\n", QStringLiteral("second.bb"));
    makeCurrent(first);
    SciBeginUndoAction();
    makeCurrent(second);
    SciGotoPos(0);
    ColorLineLight(1, false);
    EXPECT_EQ(lineText(1), QByteArray("Other = 1\r\n"));
    makeCurrent(first);
    EXPECT_EQ(OpenUndoGroups(), 1);
    SciEndUndoAction();
    EXPECT_EQ(OpenUndoGroups(), 0);
}
