#include "editor/ActiveDocument.h"
#include "editor/CurrentView.h"
#include "editor/EditorFixture.h"
#include "editor/SciWrappers.h"
#include "files/Project.h"
#include "language/editing/NotificationHandler.h"
#include "language/keywords/Compiler.h"
#include "language/keywords/KeywordFiles.h"
#include "language/model/DeclarationRecords.h"
#include "language/model/ScopeQueries.h"
#include "language/parser/ParseState.h"
#include "vocabulary/Markers.h"

namespace {

constexpr char kProgram[] =
    "Global g\r\n"             // 0
    "Function Alpha(a)\r\n"    // 1
    "  Local x\r\n"            // 2
    "End Function\r\n"         // 3
    "; between\r\n"            // 4
    "Function Beta()\r\n"      // 5
    "End Function\r\n"         // 6
    "Type Point\r\n"           // 7
    "  Field x\r\n"            // 8
    "End Type\r\n"             // 9
    "function gamma()\r\n";    // 10

// A document as the line parser leaves it: boundary markers on the Function
// and Type lines and on their End lines, records of Alpha and Point.
class ScopeQueries : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        // The headers are read as the parser reads them, which knows its keywords.
        compiler = std::make_unique<ClsCompiler>();
        ASSERT_TRUE(compiler->LoadKeywordsFromText(keywordFileText({}, 0)));
        compiler->SetDefaultKeywords();
        doc = openDocument(kProgram);
        doc->PrjFullPath = QStringLiteral("scopes.bb");
        gProjects.Add(std::make_shared<ClsProject>(), doc->PrjFullPath);
        ActivateDocument(doc.get());
        for (int line : {1, 3, 5, 6, 10})
            SciMarkerAdd(line, MARKER_FUNCTION);
        for (int line : {7, 9})
            SciMarkerAdd(line, MARKER_TYPE);
        for (int line : {3, 6, 9})
            SciMarkerAdd(line, MARKER_FOLDEND);

        alpha = std::make_shared<ClsFunkcija>();
        alpha->Ime = QStringLiteral("Alpha");
        alpha->Handle = static_cast<int>(SciMarkerAdd(1, MARKER_FUNCTION));
        alpha->SciWndData = gSciWndData;
        gActiveProject->Model.Funkcii.Add(alpha->Ime, alpha);

        point = std::make_shared<ClsType>();
        point->Ime = QStringLiteral("Point");
        point->Handle = static_cast<int>(SciMarkerAdd(7, MARKER_TYPE));
        point->SciWndData = gSciWndData;
        gActiveProject->Model.Types.Add(point->Ime, point);
    }

    QString errorLog() const { return QString::fromLatin1(readAll(homeFile(QStringLiteral("error.log")))); }

    std::unique_ptr<ClsCompiler> compiler;
    std::unique_ptr<frmDoc> doc;
    std::shared_ptr<ClsFunkcija> alpha;
    std::shared_ptr<ClsType> point;
};

}

TEST_F(ScopeQueries, FindTheFunctionAroundALine) {
    EXPECT_EQ(CurrentFunction(2), "Alpha");
    EXPECT_EQ(gCurrentLocals, alpha->Locals);
    EXPECT_EQ(CurrentFunction(1), "Alpha");

    for (int line : {0, 3, 4, 8}) {
        gCurrentLocals = alpha->Locals;
        EXPECT_EQ(CurrentFunction(line), kMainProgram) << line;
        EXPECT_EQ(gCurrentLocals, gActiveProject->Model.MainFunLocals) << line;
    }
    // Beta has no record: the walk goes on above it and meets an End Function.
    EXPECT_EQ(CurrentFunction(5), kMainProgram);
    // A header in another case is no header.
    EXPECT_EQ(CurrentFunction(10), kMainProgram);
    EXPECT_EQ(errorLog(), "");

    // The boundaries move with the text.
    SciInsertText(0, "; new first line\r\n");
    EXPECT_EQ(CurrentFunction(3), "Alpha");
    EXPECT_EQ(CurrentFunction(2), "Alpha");
}

TEST_F(ScopeQueries, TheLineUnderEditKeepsItsParsedText) {
    doc->m_oSubclass->UnparsedLine = 1;
    doc->m_oSubclass->UnparsedText = "Function Alpha(a)\r\n";
    SciSetTargetStart(SciPositionFromLine(1));
    SciSetTargetEnd(SciGetLineEndPosition(1));
    SciReplaceTarget(-1, "Function Al");
    EXPECT_EQ(CurrentFunction(2), "Alpha");
    EXPECT_EQ(CurrentFunctionForDisplay(2), "Alpha");

    doc->m_oSubclass->UnparsedLine = -1;
    EXPECT_EQ(CurrentFunctionForDisplay(2), "Al");
}

TEST_F(ScopeQueries, AHeaderWithoutItsRecordOnTheLineIsReported) {
    gActiveProject->Model.Funkcii.Add(QStringLiteral("Beta"), std::make_shared<ClsFunkcija>());
    gCurrentLocals = alpha->Locals;
    EXPECT_EQ(CurrentFunction(5), "Beta");
    EXPECT_EQ(gCurrentLocals, alpha->Locals);
    EXPECT_TRUE(errorLog().contains("CurrentFunction"));

    gActiveProject.reset();
    EXPECT_EQ(CurrentFunction(2), "");
}

TEST_F(ScopeQueries, DisplayShowsTheFunctionAnEndLineCloses) {
    EXPECT_EQ(CurrentFunctionForDisplay(3), "Alpha");
    EXPECT_EQ(CurrentFunctionForDisplay(4), kMainProgram);
    EXPECT_EQ(CurrentFunctionForDisplay(6), "Beta");
    EXPECT_EQ(CurrentFunctionForDisplay(5), "Beta");
    EXPECT_EQ(CurrentFunctionForDisplay(0), kMainProgram);
}

TEST_F(ScopeQueries, FindTheTypeAroundALine) {
    EXPECT_EQ(CurrentType(8), "Point");
    EXPECT_EQ(gCurrentFields, point->Fields);

    const auto otherFields = std::make_shared<clsHash>();
    gCurrentFields = otherFields;
    for (int line : {0, 2, 9, 10})
        EXPECT_EQ(CurrentType(line), "") << line;
    EXPECT_EQ(gCurrentFields, otherFields);
}
