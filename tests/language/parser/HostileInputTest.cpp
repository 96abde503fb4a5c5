#include "language/parser/ParsedDocuments.h"

#include "vocabulary/Markers.h"
#include "editor/SciWrappers.h"
#include "vocabulary/StyleNumbers.h"
#include "language/lexer/Lexer.h"
#include "language/model/DeclarationRecords.h"
#include "language/parser/FoldIndent.h"
#include "language/colour/Colouring.h"
#include "language/parser/ParseState.h"

// Inputs that once brought the whole-document parse down, each named after
// the input; and the other shapes of text a user's file may take.
using HostileInputTest = ParsedDocumentsTest;

namespace {
// The tokenizer's limit cuts it long before the token array fills.
QByteArray stringLine(int characters) {
    return "Global x$ = \"" + QByteArray(characters - 13, 'a');
}
}

TEST_F(HostileInputTest, LineOf200000Characters) {
    const QByteArray line = stringLine(200000);
    parse(line + "\r\nGlobal after\r\n");
    EXPECT_TRUE(recordIn<ClsGlobalVar>(project().Globals, "x"));
    EXPECT_TRUE(recordIn<ClsGlobalVar>(project().Globals, "after"));
    EXPECT_EQ(lineText(0), line + "\r\n");
    EXPECT_EQ(styleAt(kMaxLineLength - 2), STYLE_String);
    EXPECT_EQ(styleAt(kMaxLineLength + 2), STYLE_Text);
    EXPECT_TRUE(hasMarker(1, MARKER_PARSED));
    EXPECT_EQ(errorLog().count("Line longer than"), 1);
}

TEST_F(HostileInputTest, LastLineGlobalAStringAbcWithoutLineEnd) {
    parse("Global b\r\nGlobal a$ = \"abc");
    auto a = recordIn<ClsGlobalVar>(project().Globals, "a");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->Tip, TipString);
    const long end = SciGetLength();
    EXPECT_EQ(styleAt(end - 4), STYLE_String);
    EXPECT_EQ(styleAt(end - 1), STYLE_String);
    EXPECT_EQ(documentText(), "Global b\r\nGlobal a$ = \"abc");
}

TEST_F(HostileInputTest, BlockCommentWithoutLineEnd) {
    parse("x = 1 ;[Block");
    EXPECT_TRUE(hasMarker(0, MARKER_BLOCK));
    EXPECT_EQ(styleAt(SciGetLength() - 2), STYLE_Block);
}

TEST_F(HostileInputTest, OddBytesAndLineEnds) {
    const char text[] = "Global a\0b = 1\rFunction f()\rEnd Function\nLocal c\n";
    parse(QByteArray(text, sizeof text - 1));
    EXPECT_TRUE(recordIn<ClsGlobalVar>(project().Globals, "a"));
    EXPECT_TRUE(recordIn<ClsFunkcija>(project().Funkcii, "f"));
    EXPECT_TRUE(hasMarker(2, MARKER_FUNCTION));
    EXPECT_TRUE(recordIn<ClsLocalVar>(*project().MainFunLocals, "c"));
}

TEST_F(HostileInputTest, UnbalancedBlocksKeepFoldLevelsInRange) {
    QByteArray text;
    for (int i = 0; i < 5000; ++i)
        text += ";[Block\r\nIf x\r\n";
    for (int i = 0; i < 200; ++i)
        text += "Function f" + QByteArray::number(i) + "(a)\r\n";
    parse(text);
    EXPECT_EQ(project().Funkcii.Count(), 201);  // the main program too
    for (int line : {0, 4094, 9999, 10199})
        EXPECT_EQ(foldLevel(line) & ~(kFoldHeaderFlag | kFoldNumberMask), 0) << line;
}

// Every line a header of one name with no end: each line's scope is found
// among the records of that line, not among all of that name.
TEST_F(HostileInputTest, UnclosedHeadersOfOneNameOnEveryLineGrowLinearly) {
    for (const QByteArray& header : {QByteArray("Function F(a)\r\n"), QByteArray("Type T\r\n")}) {
        SCOPED_TRACE(header.constData());
        const auto examined = [&](int lines) {
            const std::uint64_t before = clsHash::RecordsExamined();
            parse(header.repeated(lines), QStringLiteral("headers%1.bb").arg(lines));
            gCurrentFunction.clear();
            gCurrentType.clear();
            for (int line = 0; line < lines; ++line)
                ColorLineLight(line, true);
            while (!docs.empty())
                docs.pop_back();
            return clsHash::RecordsExamined() - before;
        };
        const std::uint64_t small = examined(200);
        EXPECT_LE(examined(2000), small * 15);
    }
}
