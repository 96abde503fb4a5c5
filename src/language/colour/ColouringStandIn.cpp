#include "language/colour/ColouringStandIn.h"

#include "editor/SciWrappers.h"
#include "language/colour/ExpressionColouring.h"
#include "language/lexer/Lexer.h"
#include "language/lexer/LineReading.h"
#include "language/parser/OwnEdits.h"
#include "language/parser/Parser.h"
#include "vocabulary/StyleNumbers.h"
#include "language/colour/StyleRun.h"

int gStrictModeStyle = STYLE_Text;

void ReColorLine(int Line) {
    OwnEdits ownEdits;
    int length = 0;
    QString text;
    ReadLineIntoBuffer(Line, text, length);
    const int count = Tokenize(text, length);
    const int lineBase = static_cast<int>(SciPositionFromLine(Line)) - 1;
    for (int i = 1; i <= count; ++i) {
        const TokenRecord& t = gTokens[i];
        if (t.Kind != tkIdent || SciGetStyleAt(lineBase + t.StartPos) == STYLE_Keyword)
            continue;
        const KeywordPtr keyword = KeywordOfToken(i);
        if (!keyword)
            continue;
        if (t.Text != keyword->Ime && t.Text.size() == keyword->Ime.size())
            ReplaceToken(keyword->Ime, i, lineBase);
        StyleRun(lineBase + t.StartPos, t.EndPos - t.StartPos, STYLE_Keyword);
    }
}
