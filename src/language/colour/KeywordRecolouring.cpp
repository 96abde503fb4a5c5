#include "language/colour/Colouring.h"

#include "editor/SciWrappers.h"
#include "foundation/errors/ErrorLog.h"
#include "language/colour/ColouredLine.h"
#include "language/colour/ExpressionColouring.h"
#include "language/colour/NameLookup.h"
#include "vocabulary/StyleNumbers.h"
#include "language/colour/StyleRun.h"
#include "language/lexer/Lexer.h"
#include "language/parser/OwnEdits.h"

void ReColorLine(int Line) {
    // The styles are read: those that wait are written first.
    EndLightColouringWalk();
    try {
        OwnEdits ownEdits;
        const ColouredLine l(Line);
        for (int i = 1; i <= l.count; ++i) {
            const TokenRecord& t = gTokens[i];
            if (t.Kind != tkIdent || SciGetStyleAt(l.lineBase + t.StartPos) == STYLE_Keyword)
                continue;
            const ClsBBFunkcija* keyword = FindKeyword(PrepareName(t.Text()));
            if (!keyword)
                continue;
            if (t.Text() != keyword->Ime && t.Text().size() == keyword->Ime.size())
                ReplaceToken(keyword->Ime, i, l.lineBase);
            StyleRun(l.lineBase + t.StartPos, t.EndPos - t.StartPos, STYLE_Keyword);
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("ReColorLine"), QStringLiteral("Mod_Parse"));
    }
}
