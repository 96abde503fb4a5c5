#include "language/parser/ParsedDocuments.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "language/parser/Parser.h"
#include "language/parser/Unparse.h"

// Lines typed into a parsed document, parsed, then unparsed and deleted,
// leave the model as a fresh parse of the text makes it.
class RoundTripTest : public ParsedDocumentsTest {
protected:
    // Types the lines at `line`, then unparses and deletes them from the bottom.
    void typeAndTakeBack(const QByteArray& text, int line, const QByteArray& lines) {
        frmDoc& doc = parse(text);
        const std::string fresh = modelSnapshot(project(), doc).join('\n').toStdString();
        typeLinesAt(line, lines);
        for (int i = line + static_cast<int>(lines.count('\n')) - 1; i >= line; --i) {
            UnparseLine(i, false);
            SciDirect(gSciWndData, QsciScintillaBase::SCI_DELETERANGE, SciPositionFromLine(i), SciPositionFromLine(i + 1) - SciPositionFromLine(i));
        }
        ASSERT_EQ(documentText(), text);
        EXPECT_EQ(modelSnapshot(project(), doc).join('\n').toStdString(), fresh);
        EXPECT_EQ(errorLog().toStdString(), "");
    }
};

TEST_F(RoundTripTest, ALocalBeforeAFunctionHeaderOnItsLine) {
    typeAndTakeBack("Function g()\r\nLocal y\r\nEnd Function\r\n", 1, "Local a : Function f()\r\n");
}

TEST_F(RoundTripTest, AFieldBeforeATypeHeaderOnItsLine) {
    typeAndTakeBack("Type Ship\r\nField x#\r\nEnd Type\r\n", 1, "Field a : Type T\r\n");
}

TEST_F(RoundTripTest, FunctionHeadersAfterAnUntypedToken) {
    typeAndTakeBack("Local keep = 1\r\n", 0, "Function a\r\nFunction?a Function b\r\nFunction c\r\n");
}
