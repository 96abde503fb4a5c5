#include "language/colour/VariableColouring.h"

#include "editor/SciWrappers.h"
#include "foundation/Hash.h"
#include "foundation/errors/ErrorLog.h"
#include "language/colour/BracketStack.h"
#include "language/colour/CaseCorrection.h"
#include "language/colour/ColouringFlags.h"
#include "language/colour/ExpressionColouring.h"
#include "language/colour/NameLookup.h"
#include "vocabulary/StyleNumbers.h"
#include "language/colour/StyleRun.h"
#include "language/complete/Autocomplete.h"
#include "language/lexer/CharTables.h"
#include "language/lexer/Lexer.h"
#include "vocabulary/SettingsValues.h"

namespace {

void colourKeyword(const ClsBBFunkcija& keyword, int i, int LineBase) {
    const TokenRecord& token = gTokens[i];
    if (token.Text() != keyword.Ime)
        FixTokenCase(keyword.Ime, i, LineBase);
    const bool missesBrackets = CheckForMissingBracesOnFunctions != 0 && keyword.MoraZagradi && TokenKindAt(i + 1) != '(';
    const int style = missesBrackets && !gColoringCaretLine ? gStrictModeStyle : STYLE_Keyword;
    StyleRun(LineBase + token.StartPos, token.EndPos - token.StartPos, style);
}

void colourIdentifier(int& i, int N, int LineBase) {
    const TokenRecord& token = gTokens[i];
    const PreparedName& name = PrepareName(token.Text());
    if (FindFunction(name)) {
        ColourDeclaredName(gFoundItem, STYLE_Function, i, N, LineBase);
        return;
    }
    if (const ClsBBFunkcija* keyword = FindKeyword(name)) {
        colourKeyword(*keyword, i, LineBase);
        return;
    }
    const int style = FindVariable(name, ScopeOrder::GlobalsFirst);
    if (style >= 0) {
        ColourDeclaredName(gFoundItem, style, i, N, LineBase);
        return;
    }
    if (gColoringCaretLine && CompletionDueAt(LineBase + token.EndPos))
        Autocomplete();
    ColorBadVar(i, N, LineBase, gColoringCaretLine ? STYLE_Text : gStrictModeStyle);
}

}

void ColorTokenLight(int& i, int N, int LineBase) {
    try {
        const TokenRecord& token = gTokens[i];
        const long start = LineBase + token.StartPos;
        if (token.Kind == tkIdent)
            colourIdentifier(i, N, LineBase);
        else if (token.Kind == '(' || token.Kind == '[')
            OpenBracket(start, static_cast<char>(token.Kind));
        else if (token.Kind == ')' || token.Kind == ']')
            CloseBracket(start, static_cast<char>(token.Kind));
        else if (!StyleLiteralToken(i, LineBase) && gIsSuffixChar[token.Kind])
            ColorBadVar(i, N, LineBase, gStrictModeStyle);
    } catch (...) {
        SetErrorLog(QStringLiteral("ColorTokenLight"), QStringLiteral("Mod_Parse"));
    }
}
