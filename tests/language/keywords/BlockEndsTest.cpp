#include "language/parser/ParsedDocuments.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "language/editing/AutoIndent.h"
#include "language/parser/NextIndent.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "vocabulary/SettingsValues.h"

// The words that close a block after End count the same, in any letter case,
// in each way Korvo indents: the parser re-indenting on load, the re-indent
// command and the indentation of the line after Enter.
class BlockEndsTest : public ParsedDocumentsTest {
protected:
    void expectIndented() const {
        const int expected[] = {0, 4, 8, 12, 16, 8, 4, 0, 0, 4, 0, 0};
        for (int line = 0; line < 12; ++line)
            EXPECT_EQ(indentation(line), expected[line]) << "line " << line;
    }
};

namespace {

const QByteArray kBlocks = "Function F()\r\nIf a Then\r\nSelect a\r\nCase 1\r\nx = 1\r\nend select\r\nEND IF\r\n"
                           "end FUNCTION\r\nType T\r\nField f\r\neNd tYpE\r\ny = 1\r\n";

}

TEST_F(BlockEndsTest, TheParserReindentsByThem) {
    TabValue = 4;
    AutoIndentType = 2;
    AutoIndentOnLoad = 1;
    parse(kBlocks);
    expectIndented();
}

TEST_F(BlockEndsTest, TheReindentCommandReindentsByThem) {
    TabValue = 4;
    parse("");
    SciLoadText(gSciWndData, kBlocks);
    SciSetSel(0, SciGetLength());
    AutoIndentSelection();
    expectIndented();
}

TEST_F(BlockEndsTest, TheNextLineIsIndentedByThem) {
    TabValue = 4;
    parse("");
    // Each closing line still at the level of the block's body, as typed.
    SciLoadText(gSciWndData, "        end if\r\n        END SELECT\r\n        end Function\r\n        eNd tYpE\r\n"
                             "        End Foo\r\n");
    const int expected[] = {2, 1, 2, 2, 2};
    for (int line = 0; line < 5; ++line)
        EXPECT_EQ(GetNextIndent(line), expected[line]) << "line " << line;
}
