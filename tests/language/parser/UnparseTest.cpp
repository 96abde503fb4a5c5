#include "language/parser/ParsedDocuments.h"

#include "editor/ActiveDocument.h"
#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "files/Project.h"
#include "language/model/DeclarationRecords.h"
#include "language/parser/DocumentPasses.h"
#include "language/parser/Parser.h"
#include "language/parser/ParseState.h"
#include "language/parser/Unparse.h"
#include "support/FakeHost.h"
#include "support/Recolouring.h"
#include "vocabulary/Markers.h"

#include <QGuiApplication>

using UnparseTest = ParsedDocumentsTest;

namespace {
constexpr long kParserMarkers = (1L << MARKER_FUNCTION) | (1L << MARKER_TYPE) | (1L << MARKER_PARSED) | (1L << MARKER_FOLDSTART)
    | (1L << MARKER_FOLDEND) | (1L << MARKER_DECLARATION) | (1L << MARKER_LOCAL) | (1L << MARKER_MAINPROGRAM)
    | (1L << MARKER_BLOCK) | (1L << MARKER_BREAKPOINT);
}

TEST_F(UnparseTest, TakesOutEveryDeclarationOfTheLineAndAllItsMarkers) {
    parse("Global a, b, c\r\nLocal x, y\r\nType T ;[Block\r\n");
    project().GlobalsDirty = false;
    UnparseLine(0, false);
    EXPECT_EQ(project().Globals.Count(), 0);
    EXPECT_TRUE(project().GlobalsDirty);
    EXPECT_EQ(markers(0) & kParserMarkers, 0);

    UnparseLine(1, false);
    EXPECT_EQ(project().MainFunLocals->Count(), 0);
    EXPECT_EQ(markers(1) & kParserMarkers, 0);
    UnparseLine(2, false);
    EXPECT_EQ(project().Types.Count(), 0);
    EXPECT_EQ(markers(2) & kParserMarkers, 0);
}

TEST_F(UnparseTest, AFunctionLineHandsItsLocalsToTheScopeAround) {
    parse("Function f(x)\r\nLocal y\r\nEnd Function\r\nLocal m\r\n");
    UnparseLine(0, false);
    EXPECT_FALSE(project().Funkcii.ExistsOnlyHash("f"));
    EXPECT_TRUE(recordIn<ClsLocalVar>(*project().MainFunLocals, "y"));
    EXPECT_FALSE(recordIn<ClsLocalVar>(*project().MainFunLocals, "x"));
    EXPECT_TRUE(project().FunctionsDirty);
}

TEST_F(UnparseTest, AnEndFunctionLineHandsTheMainProgramLocalsBelowToTheFunction) {
    parse("Function F()\r\nLocal a\r\nEnd Function\r\nLocal m\r\nFunction G()\r\nEnd Function\r\nLocal n\r\n");
    UnparseLine(2, false);
    auto f = recordIn<ClsFunkcija>(project().Funkcii, "F");
    ASSERT_TRUE(f);
    EXPECT_TRUE(recordIn<ClsLocalVar>(*f->Locals, "m"));
    EXPECT_FALSE(recordIn<ClsLocalVar>(*project().MainFunLocals, "m"));
    EXPECT_TRUE(recordIn<ClsLocalVar>(*project().MainFunLocals, "n"));
}

TEST_F(UnparseTest, AnEndFunctionLineMovesOnlyItsOwnDocumentsLocals) {
    const QByteArray text = "Function F()\r\nEnd Function\r\nLocal m\r\n";
    frmDoc& first = parse(text, "first.bb");
    frmDoc& second = parseInProjectOf(first, text, "second.bb");
    auto theirs = std::dynamic_pointer_cast<ClsLocalVar>(project().MainFunLocals->ItemHandle("m", 2, second.SciEdi_WndData));
    auto mine = std::dynamic_pointer_cast<ClsLocalVar>(project().MainFunLocals->ItemHandle("m", 2, first.SciEdi_WndData));
    ASSERT_TRUE(mine && theirs);
    ASSERT_EQ(mine->Handle, theirs->Handle);

    makeCurrent(first);
    UnparseLine(1, false);
    auto f = std::dynamic_pointer_cast<ClsFunkcija>(project().Funkcii.ItemHandle("F", 0, first.SciEdi_WndData));
    ASSERT_TRUE(f);
    ASSERT_EQ(f->Locals->Count(), 1);
    EXPECT_EQ(f->Locals->ItemHash("m"), mine);
    ASSERT_EQ(project().MainFunLocals->Count(), 1);
    EXPECT_EQ(project().MainFunLocals->ItemHash("m"), theirs);
    EXPECT_EQ(errorLog(), "");
}

TEST_F(UnparseTest, TypeFieldsWaitAsOrphansUntilATypeAboveTakesThem) {
    parse("Type A\r\nField p\r\nEnd Type\r\nType B\r\nField x, y\r\nEnd Type\r\n");
    frmDoc& doc = *docs.back();
    UnparseLine(3, false);
    EXPECT_FALSE(project().Types.ExistsOnlyHash("B"));
    ASSERT_EQ(doc.tmpFields.size(), 2);
    for (auto it = doc.tmpFields.cbegin(); it != doc.tmpFields.cend(); ++it)
        EXPECT_EQ(it.key(), it.value()->Handle);

    UnparseLine(2, false);
    auto a = recordIn<ClsType>(project().Types, "A");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->Fields->Count(), 3);
    EXPECT_TRUE(doc.tmpFields.isEmpty());
}

TEST_F(UnparseTest, RemovesOnlyWhatTheParsedTextDeclared) {
    parse("Global a\r\n.start\r\nx = 1 : .notalabel\r\n");
    // The parser reads a keyword in any spelling.
    UnparseLineText(0, "global a\r\n");
    EXPECT_EQ(project().Globals.Count(), 0);
    UnparseLineText(2, "x = 1 : .start\r\n");
    EXPECT_EQ(project().Labels.Count(), 1);
    UnparseLine(1, false);
    EXPECT_EQ(project().Labels.Count(), 0);
}

TEST_F(UnparseTest, UnparsingAWholeDocumentEmptiesTheModelAndParsingAgainRestoresIt) {
    const QByteArray text =
        "Include \"lib.bb\"\r\nGlobal g, h[10], c.Point\r\nConst K = 1\r\nDim m(3)\r\n.start\r\nLocal top\r\n"
        "Type Point\r\nField x#, y#\r\nEnd Type\r\nField stray\r\nFunction F%(a, b$ = \"x\")\r\nLocal y\r\n"
        "End Function\r\nFunction G.Point()\r\nLocal z : Stop\r\nEnd Function\r\n";
    frmDoc& doc = parse(text);
    const QStringList before = DumpModel(project(), doc, ModelDumpDetail::Full);
    ASSERT_GT(before.size(), 15);

    UnParseFile();
    EXPECT_EQ(DumpModel(project(), doc, ModelDumpDetail::Full), QStringList());
    EXPECT_EQ(project().Funkcii.Count(), 1);
    EXPECT_EQ(project().MainFunLocals->Count(), 0);
    EXPECT_TRUE(doc.tmpFields.isEmpty());
    for (int line = 0; line < SciGetLineCount(); ++line)
        EXPECT_EQ(markers(line) & kParserMarkers, 0) << "line " << line;

    ParseFile();
    EXPECT_EQ(DumpModel(project(), doc, ModelDumpDetail::Full), before);
    EXPECT_EQ(errorLog(), "");
}

TEST_F(UnparseTest, RenamesTheFileOfEveryRecordOfTheDocument) {
    FakeHost host;
    parse("Global g\r\nType T\r\nField f\r\nEnd Type\r\nFunction F(p)\r\nLocal l\r\nEnd Function\r\n", "old.bb");
    UpdateVarFileNames("OLD.bb", "new.bb");
    EXPECT_EQ(recordIn<ClsGlobalVar>(project().Globals, "g")->File, "old.bb");
    EXPECT_EQ(host.explorerInvalidations, 1);

    UpdateVarFileNames("old.bb", "new.bb");
    auto f = recordIn<ClsFunkcija>(project().Funkcii, "F");
    auto t = recordIn<ClsType>(project().Types, "T");
    ASSERT_TRUE(f && t);
    EXPECT_EQ(recordIn<ClsGlobalVar>(project().Globals, "g")->File, "new.bb");
    EXPECT_EQ(f->File, "new.bb");
    EXPECT_EQ(recordIn<ClsLocalVar>(*f->Locals, "p")->File, "new.bb");
    EXPECT_EQ(recordIn<ClsLocalVar>(*f->Locals, "l")->File, "new.bb");
    EXPECT_EQ(t->File, "new.bb");
    EXPECT_EQ(recordIn<ClsField>(*t->Fields, "f")->File, "new.bb");
}

TEST_F(UnparseTest, WholeDocumentPassesResetTheirStateWhenAnErrorEndsThem) {
    frmDoc& doc = parse("Global g\r\n");
    doc.PrjName = QStringLiteral("gone");
    doc.PrjFullPath = QStringLiteral("gone");
    ParseFile();
    EXPECT_FALSE(gParsingFile);
    EXPECT_TRUE(errorLog().contains("ParseFile"));

    gActiveProject.reset();
    UnParseFile();
    ReColorFile();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
