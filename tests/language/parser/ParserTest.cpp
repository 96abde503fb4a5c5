#include "language/parser/ParsedDocuments.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "language/model/DeclarationRecords.h"
#include "language/parser/DocumentPasses.h"
#include "language/parser/FoldIndent.h"
#include "language/parser/Parser.h"
#include "language/parser/ParseState.h"
#include "vocabulary/Markers.h"
#include "vocabulary/SettingsValues.h"
#include "vocabulary/StyleNumbers.h"

using ParserTest = ParsedDocumentsTest;

TEST_F(ParserTest, RecordsFunctionsParametersLocalsAndGlobals) {
    parse("Function Foo%(a, b$)\r\nLocal y\r\nEnd Function\r\nGlobal g, h[10], c.Point\r\n");

    auto foo = recordIn<ClsFunkcija>(project().Funkcii, "Foo");
    ASSERT_TRUE(foo);
    EXPECT_EQ(foo->Help, "a, b$");
    EXPECT_EQ(foo->Tip, TipInteger);
    EXPECT_EQ(foo->VlezNum, 2);
    EXPECT_EQ(lineOf(*foo), 0);
    auto a = recordIn<ClsLocalVar>(*foo->Locals, "a");
    auto b = recordIn<ClsLocalVar>(*foo->Locals, "b");
    auto y = recordIn<ClsLocalVar>(*foo->Locals, "y");
    ASSERT_TRUE(a && b && y);
    EXPECT_EQ(a->Handle, foo->Handle);
    EXPECT_EQ(b->Handle, foo->Handle);
    EXPECT_EQ(b->Tip, TipString);
    EXPECT_NE(y->Handle, foo->Handle);
    EXPECT_EQ(lineOf(*y), 1);
    EXPECT_TRUE(hasMarker(1, MARKER_LOCAL));
    EXPECT_EQ(project().MainFunLocals->Count(), 0);

    auto g = recordIn<ClsGlobalVar>(project().Globals, "g");
    auto h = recordIn<ClsGlobalVar>(project().Globals, "h");
    auto c = recordIn<ClsGlobalVar>(project().Globals, "c");
    ASSERT_TRUE(g && h && c);
    EXPECT_EQ(h->ArraySize(), "[10]");
    EXPECT_TRUE(h->IsBBArray);
    EXPECT_EQ(c->Tip, TipCustom);
    EXPECT_EQ(c->Tajp, "Point");
    EXPECT_TRUE(g->Handle != h->Handle && h->Handle != c->Handle && g->Handle != c->Handle);
    EXPECT_EQ(lineOf(*g), 3);
    EXPECT_EQ(lineOf(*c), 3);
    const long lineBase = SciPositionFromLine(3);
    EXPECT_EQ(styleAt(lineBase + 8), STYLE_Separator);
    EXPECT_EQ(styleAt(lineBase), STYLE_Keyword);

    EXPECT_TRUE(project().FunctionsDirty && project().LocalsDirty && project().GlobalsDirty);
    EXPECT_TRUE(hasMarker(0, MARKER_FUNCTION) && hasMarker(0, MARKER_FOLDSTART) && hasMarker(0, MARKER_PARSED));
    EXPECT_FALSE(hasMarker(0, MARKER_MAINPROGRAM));
    EXPECT_FALSE(hasMarker(1, MARKER_MAINPROGRAM));
    EXPECT_TRUE(hasMarker(2, MARKER_FUNCTION) && hasMarker(2, MARKER_FOLDEND));
    EXPECT_TRUE(hasMarker(3, MARKER_MAINPROGRAM));
    EXPECT_EQ(foldLevel(0), kFoldBase | kFoldHeaderFlag);
    EXPECT_EQ(foldLevel(1), kFoldBase + 1);
    EXPECT_EQ(foldLevel(2), kFoldBase + 1);
    EXPECT_EQ(foldLevel(3), kFoldBase);
    EXPECT_EQ(errorLog(), "");
}

TEST_F(ParserTest, RecordsTheOtherDeclarations) {
    parse(".start\r\nInclude \"lib.bb\"\r\nInclude \"\"\r\nConst K = 5, L$ = \"x\"\r\nDim m#(10, 20)\r\n"
          "Type Point\r\nField x#, y#, tags$[4]\r\nEnd Type\r\nField z\r\nGlobal a : Local b\r\n");
    EXPECT_TRUE(recordIn<clsLabel>(project().Labels, "start"));
    EXPECT_TRUE(recordIn<clsInclude>(project().Includes, "lib.bb"));
    EXPECT_EQ(project().Includes.Count(), 1);
    EXPECT_EQ(styleAt(SciPositionFromLine(1) + 8), STYLE_String);
    auto k = recordIn<clsConstant>(project().Constants, "K");
    auto l = recordIn<clsConstant>(project().Constants, "L");
    ASSERT_TRUE(k && l);
    EXPECT_EQ(k->Tip, TipInteger);
    EXPECT_EQ(l->Tip, TipString);
    auto m = recordIn<ClsArrayVar>(project().Arrays, "m");
    ASSERT_TRUE(m);
    EXPECT_EQ(m->Tip, TipFloat);
    EXPECT_EQ(m->ArraySize(), "(10, 20)");
    EXPECT_FALSE(m->IsBBArray);

    auto point = recordIn<ClsType>(project().Types, "Point");
    ASSERT_TRUE(point);
    EXPECT_EQ(point->Fields->Count(), 3);
    auto tags = recordIn<ClsField>(*point->Fields, "tags");
    ASSERT_TRUE(tags);
    EXPECT_EQ(tags->ArraySize(), "[4]");
    EXPECT_EQ(styleAt(SciPositionFromLine(5) + 5), STYLE_Type);
    ASSERT_EQ(docs.back()->tmpFields.size(), 1);
    EXPECT_EQ(docs.back()->tmpFields.first()->Ime, "z");
    EXPECT_TRUE(recordIn<ClsGlobalVar>(project().Globals, "a"));
    EXPECT_TRUE(recordIn<ClsLocalVar>(*project().MainFunLocals, "b"));
    EXPECT_EQ(foldLevel(5), kFoldBase | kFoldHeaderFlag);
    EXPECT_EQ(foldLevel(6), kFoldBase + 1);
    EXPECT_EQ(foldLevel(7), kFoldBase + 1);
    EXPECT_EQ(foldLevel(8), kFoldBase);
}

TEST_F(ParserTest, WritesKeywordsAndBlockCommentsInTheTablesSpelling) {
    parse("function f(s$[4], n = true)\r\nend function\r\n;[block\r\nx = 1\r\n;[end\r\n");
    EXPECT_EQ(lineText(0), "Function f(s$[4], n = True)\r\n");
    EXPECT_EQ(lineText(1), "End Function\r\n");
    EXPECT_EQ(lineText(2), ";[Block\r\n");
    EXPECT_EQ(lineText(4), ";[End\r\n");
    const auto f = recordIn<ClsFunkcija>(project().Funkcii, "f");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->Help, "s$[4], n = True");
    const auto s = recordIn<ClsLocalVar>(*f->Locals, "s");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->ArraySize(), "[4]");
    EXPECT_TRUE(hasMarker(2, MARKER_BLOCK) && hasMarker(2, MARKER_FOLDSTART));
    EXPECT_TRUE(hasMarker(4, MARKER_BLOCK) && hasMarker(4, MARKER_FOLDEND));
    EXPECT_EQ(styleAt(SciPositionFromLine(2) + 3), STYLE_Block);
    EXPECT_EQ(foldLevel(2), kFoldBase | kFoldHeaderFlag);
    EXPECT_EQ(foldLevel(3), kFoldBase + 1);
    EXPECT_EQ(foldLevel(4), kFoldBase + 1);
    EXPECT_EQ(foldLevel(5), kFoldBase);

    // The view reports the user's edits again once the parser's own are done.
    const long reported = SciDirect(gSciWndData, QsciScintillaBase::SCI_GETMODEVENTMASK);
    ASSERT_NE(reported, 0);
    typeLinesAt(5, "end if\r\n");
    EXPECT_EQ(lineText(5), "End If\r\n");
    EXPECT_EQ(SciDirect(gSciWndData, QsciScintillaBase::SCI_GETMODEVENTMASK), reported);
    EXPECT_FALSE(gIgnoreSciModified);
}

TEST_F(ParserTest, MarksStopLinesAsBreakpoints) {
    parse("Stop\r\nStop : x = 1\r\nIf a Then Stop\r\nStop ; note\r\nx = 1\r\n");
    EXPECT_TRUE(hasMarker(0, MARKER_BREAKPOINT));
    EXPECT_TRUE(hasMarker(1, MARKER_BREAKPOINT));
    EXPECT_TRUE(hasMarker(2, MARKER_BREAKPOINT));
    EXPECT_FALSE(hasMarker(3, MARKER_BREAKPOINT));
    EXPECT_FALSE(hasMarker(4, MARKER_BREAKPOINT));
    EXPECT_EQ(styleAt(SciPositionFromLine(1) + 5), STYLE_Separator);
}

TEST_F(ParserTest, IndentsByScopeWhenAskedTo) {
    AutoIndentOnLoad = 1;
    parse("Function F()\r\nIf a Then\r\nx = 1\r\nElse If b Then\r\nx = 2\r\nElse\r\nEnd If\r\nSelect a\r\nCase 1\r\n"
          "      ; kept\r\nEnd Select\r\nIf a Then b = 1\r\nEnd Function\r\nNext\r\nNext\r\n");
    AutoIndentOnLoad = 0;
    const int expected[] = {0, 4, 8, 4, 8, 4, 4, 4, 8, 6, 4, 4, 0, 0, 0};
    for (int line = 0; line < 15; ++line)
        EXPECT_EQ(indentation(line), expected[line]) << "line " << line;
}

TEST_F(ParserTest, LeavesIndentationAloneOnLoadByDefault) {
    parse("Function F()\r\n        x = 1\r\nEnd Function\r\n");
    EXPECT_EQ(indentation(1), 8);
}

TEST_F(ParserTest, HandsDeclarationsToTheScopeATypedBoundaryOpens) {
    parse("Function F()\r\nLocal a\r\nLocal b\r\nEnd Function\r\nField z\r\n");
    typeLinesAt(2, "Function G()\r\n");
    auto f = recordIn<ClsFunkcija>(project().Funkcii, "F");
    auto g = recordIn<ClsFunkcija>(project().Funkcii, "G");
    ASSERT_TRUE(f && g);
    EXPECT_TRUE(recordIn<ClsLocalVar>(*f->Locals, "a"));
    EXPECT_FALSE(recordIn<ClsLocalVar>(*f->Locals, "b"));
    EXPECT_TRUE(recordIn<ClsLocalVar>(*g->Locals, "b"));

    typeLinesAt(5, "Type T\r\n");
    auto t = recordIn<ClsType>(project().Types, "T");
    ASSERT_TRUE(t);
    EXPECT_TRUE(recordIn<ClsField>(*t->Fields, "z"));
    EXPECT_TRUE(docs.back()->tmpFields.isEmpty());

    typeLinesAt(6, "End Type\r\n");
    EXPECT_EQ(t->Fields->Count(), 0);
    EXPECT_EQ(docs.back()->tmpFields.size(), 1);
}

TEST_F(ParserTest, ATypedEndFunctionHandsTheLocalsBelowToTheMainProgram) {
    parse("Function F()\r\nLocal a\r\nLocal b\r\n");
    auto f = recordIn<ClsFunkcija>(project().Funkcii, "F");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->Locals->Count(), 2);
    typeLinesAt(2, "End Function\r\n");
    EXPECT_TRUE(recordIn<ClsLocalVar>(*f->Locals, "a"));
    EXPECT_FALSE(recordIn<ClsLocalVar>(*f->Locals, "b"));
    EXPECT_TRUE(recordIn<ClsLocalVar>(*project().MainFunLocals, "b"));
}

TEST_F(ParserTest, ATypedFunctionTakesOnlyItsOwnDocumentsLocals) {
    frmDoc& first = parse("Local m\r\n", "first.bb");
    frmDoc& second = parseInProjectOf(first, "Local m\r\n", "second.bb");
    ASSERT_EQ(project().MainFunLocals->Count(), 2);
    auto mine = std::dynamic_pointer_cast<ClsLocalVar>(project().MainFunLocals->ItemHandle("m", 0, first.SciEdi_WndData));
    auto theirs = std::dynamic_pointer_cast<ClsLocalVar>(project().MainFunLocals->ItemHandle("m", 0, second.SciEdi_WndData));
    ASSERT_TRUE(mine && theirs);
    ASSERT_EQ(mine->Handle, theirs->Handle);

    makeCurrent(first);
    typeLinesAt(0, "Function G()\r\n");
    auto g = recordIn<ClsFunkcija>(project().Funkcii, "G");
    ASSERT_TRUE(g);
    ASSERT_EQ(g->Locals->Count(), 1);
    EXPECT_EQ(g->Locals->ItemHash("m"), mine);
    ASSERT_EQ(project().MainFunLocals->Count(), 1);
    EXPECT_EQ(project().MainFunLocals->ItemHash("m"), theirs);
}

TEST_F(ParserTest, ATypedFunctionLineRelevelsTheLinesBelow) {
    parse("x = 1\r\ny = 2\r\n");
    EXPECT_TRUE(hasMarker(1, MARKER_MAINPROGRAM));
    typeLinesAt(0, "Function G()\r\n");
    EXPECT_EQ(foldLevel(0), kFoldBase | kFoldHeaderFlag);
    EXPECT_EQ(foldLevel(1), kFoldBase + 1);
    EXPECT_EQ(foldLevel(2), kFoldBase + 1);
    EXPECT_FALSE(hasMarker(1, MARKER_MAINPROGRAM));
    EXPECT_FALSE(hasMarker(2, MARKER_MAINPROGRAM));
}

TEST_F(ParserTest, CapturesTheBlockKeywordsOfALine) {
    parse("x = 1\r\n");
    gCaptureKeyword = true;
    gCapturedKeyword.clear();
    typeLinesAt(1, "While a\r\n");
    gCaptureKeyword = false;
    EXPECT_EQ(gCapturedKeyword, "While");
}

TEST_F(ParserTest, StylesInitialisersAfterTheSeparatorsBeforeThem) {
    parse("Global a, b = 3, c$ = \"x\"\r\nDim m(10), n(20)\r\nFunction F(p, q = 5) ; note\r\nx = 1 : Global g = 5\r\n");
    auto styles = [this](int line) {
        const long base = SciPositionFromLine(line);
        std::string text;
        for (long k = 0; k < SciLineLength(line); ++k)
            text += static_cast<char>('0' + styleAt(base + k));
        return text;
    };
    // Keyword 2, separator 9, operator 4, number 3, string 5, comment 1.
    EXPECT_EQ(styles(0), "222222009000403900004055500");
    EXPECT_EQ(styles(1), "222000330900033000");
    EXPECT_EQ(styles(2), "22222222000090004039011111111");
    EXPECT_EQ(styles(3), "0040309922222299949390");
}

TEST_F(ParserTest, WhatTheDeclarationReadersStyleIsKeptWithTheLinesOwnStyles) {
    // Each declaration sits among lines the parse styles in one run.
    parse("; top\r\nGlobal a = 12 + 3, b ; note\r\nFunction F(p = 7, q$)\r\nEnd Function\r\nDim m(4) : Const K = \"s\"\r\n");
    const long global = SciPositionFromLine(1);
    EXPECT_EQ(styleAt(global + 9), STYLE_Operator);
    EXPECT_EQ(styleAt(global + 11), STYLE_Number);
    EXPECT_EQ(styleAt(global + 14), STYLE_Operator);
    EXPECT_EQ(styleAt(global + 16), STYLE_Number);
    EXPECT_EQ(styleAt(global + 17), STYLE_Separator);
    EXPECT_EQ(styleAt(global + 21), STYLE_Comment);
    const long function = SciPositionFromLine(2);
    EXPECT_EQ(styleAt(function + 13), STYLE_Operator);
    EXPECT_EQ(styleAt(function + 15), STYLE_Number);
    EXPECT_EQ(styleAt(function + 16), STYLE_Separator);
    const long dim = SciPositionFromLine(4);
    EXPECT_EQ(styleAt(dim + 6), STYLE_Number);
    EXPECT_EQ(styleAt(dim + 9), STYLE_Separator);
    EXPECT_EQ(styleAt(dim + 21), STYLE_String);
    EXPECT_EQ(styleAt(SciPositionFromLine(0) + 2), STYLE_Comment);
}

// A parse over a document styled before leaves every position it does not
// style plain, whether it writes the lines in long runs or, re-indenting
// them, one by one; across the runs' seams too.
TEST_F(ParserTest, AWholeDocumentParseLeavesPlainWhatItDoesNotStyle) {
    QByteArray text;
    for (int part = 0; part < 700; ++part)
        text += "x = 1\r\n\r\nlonely\r\nGlobal a, b ; note\r\n";
    text += "\r\n\r\ntail";
    parse(text);
    auto allStyles = [this] {
        std::string styles;
        for (long position = 0; position < SciGetLength(); ++position)
            styles += static_cast<char>('0' + styleAt(position));
        return styles;
    };
    const std::string fresh = allStyles();
    ASSERT_NE(fresh.find('2'), std::string::npos);
    const int indentType = AutoIndentType;
    const int indentOnLoad = AutoIndentOnLoad;
    for (const bool reindenting : {false, true}) {
        AutoIndentType = reindenting ? 2 : 1;
        AutoIndentOnLoad = reindenting ? 1 : 0;
        UnParseFile();
        SciStartStyling(0, 255);
        SciSetStyling(SciGetLength(), STYLE_Number);
        ParseFile();
        EXPECT_EQ(allStyles(), fresh) << "re-indenting " << reindenting;
    }
    AutoIndentType = indentType;
    AutoIndentOnLoad = indentOnLoad;
}
