#include "language/colour/Colouring.h"

#include "editor/CurrentWord.h"
#include "editor/SciWrappers.h"
#include "language/model/CodeModel.h"
#include "foundation/errors/ErrorLog.h"
#include "language/colour/BracketStack.h"
#include "language/colour/CaseCorrection.h"
#include "language/colour/ColouredLine.h"
#include "language/colour/ColouringFlags.h"
#include "language/colour/ExpressionColouring.h"
#include "language/colour/NameContexts.h"
#include "language/colour/NameLookup.h"
#include "vocabulary/StyleNumbers.h"
#include "language/colour/StyleRun.h"
#include "language/colour/VariableColouring.h"
#include "language/complete/Autocomplete.h"
#include "language/complete/CompletionFlags.h"
#include "language/lexer/CharTables.h"
#include "language/lexer/Lexer.h"
#include "language/model/ScopeQueries.h"
#include "language/parser/OwnEdits.h"
#include "language/parser/ParseState.h"
#include "vocabulary/SettingsValues.h"

namespace {

// The full pass over the caret line. i is the current token; a step that
// consumed tokens leaves i on the last of them.
class CaretLinePass {
public:
    explicit CaretLinePass(int line) : l_(line), caret_(SciGetCurrentPos()) {}

    void run();

private:
    void token();
    void identifier();
    void keyword(const ClsBBFunkcija& keyword);
    void declaredContext(clsHash& table, int styleNumber, void (*complete)());
    void objectContext();
    void unknownName();
    void dot();
    void style(int startPos, int length, int styleNumber) const { StyleRun(l_.lineBase + startPos, length, styleNumber); }
    void styleToken(int styleNumber) const {
        style(gTokens[i_].StartPos, gTokens[i_].EndPos - gTokens[i_].StartPos, styleNumber);
    }
    // The caret stands one character after token k.
    bool caretAfter(int k) const { return caret_ == l_.lineBase + gTokens[k].EndPos + 1; }
    // The caret stands right after the one-character token k.
    bool caretRightAfterChar(int k) const { return caret_ == l_.lineBase + gTokens[k].StartPos + 1; }
    bool nextIsIdentifier() const { return TokenKindAt(i_ + 1) == tkIdent; }

    ColouredLine l_;
    const long caret_;
    int i_ = 1;
    // The line declares names: they keep the spelling they are given.
    bool declares_ = false;
};

void CaretLinePass::run() {
    // The line's own scope, before any name of it is looked up.
    gCurrentFunction = CurrentFunction(l_.line);
    if (!gCharAdded && SciAutoCActive() && GetCurrentWord().isEmpty())
        SciAutoCCancel();
    if (!gAutoCCommand && !SciAutoCActive())
        gAutoCForced = false;
    for (i_ = 1; i_ <= l_.count; ++i_)
        token();
    if (!gAutoCShown && ACCloseListOnMatch)
        SciAutoCCancel();
}

void CaretLinePass::token() {
    const TokenRecord& t = gTokens[i_];
    const int restOfLine = l_.length - t.StartPos + 1;
    switch (t.Kind) {
    case tkIdent:
        identifier();
        break;
    case tkComment:
        style(t.StartPos, restOfLine, t.EndPos == -100 ? STYLE_Comment2 : STYLE_Comment);
        break;
    case tkBlockOpen:
    case tkBlockClose:
        style(t.StartPos, restOfLine, STYLE_Block);
        break;
    case '.':
        dot();
        break;
    case tkNone:
        style(t.StartPos, t.EndPos - t.StartPos, STYLE_Text);
        break;
    case '(':
    case '[':
        OpenBracket(l_.lineBase + t.StartPos, static_cast<char>(t.Kind));
        break;
    case ')':
    case ']':
        CloseBracket(l_.lineBase + t.StartPos, static_cast<char>(t.Kind));
        break;
    case '\\':
    case '%':
    case '$':
    case '#':
        ColorBadVar(i_, l_.count, l_.lineBase, STYLE_Text);
        break;
    default:
        if (gIsOperator[t.Kind])
            gInDeclaration = false;
        StyleLiteralToken(i_, l_.lineBase);
        break;
    }
}

void CaretLinePass::identifier() {
    const PreparedName& name = PrepareName(gTokens[i_].Text());
    if (FindFunction(name)) {
        if (!declares_ && gTokens[i_].Text() != gFoundItem->Ime)
            FixTokenCase(gFoundItem->Ime, i_, l_.lineBase);
        styleToken(STYLE_Function);
        return;
    }
    if (const ClsBBFunkcija* found = FindKeyword(name)) {
        keyword(*found);
        return;
    }
    const int styleNumber = FindVariable(name, ScopeOrder::GlobalsFirst);
    if (styleNumber >= 0) {
        ColourDeclaredName(gFoundItem, styleNumber, i_, l_.count, l_.lineBase, !declares_);
        return;
    }
    unknownName();
}

void CaretLinePass::keyword(const ClsBBFunkcija& keyword) {
    if (gTokens[i_].Text() != keyword.Ime)
        FixTokenCase(keyword.Ime, i_, l_.lineBase);
    styleToken(STYLE_Keyword);
    const QString& word = keyword.Ime;
    if (TypeFollows(word)) {
        declaredContext(ActiveCodeModel()->Types, STYLE_Type, AutocompleteType);
    } else if (LabelFollows(word)) {
        declaredContext(ActiveCodeModel()->Labels, STYLE_Label, AutocompleteLabel);
    } else if (word == QLatin1String("Object") && TokenKindAt(i_ + 1) == '.') {
        objectContext();
    } else if (word == QLatin1String("Type") || word == QLatin1String("Function") || word == QLatin1String("Global") ||
               word == QLatin1String("Local") || word == QLatin1String("Const")) {
        declares_ = true;
        gInDeclaration = true;
    } else if (word == QLatin1String("Field")) {
        gInDeclaration = true;
    } else if (word == QLatin1String("Dim")) {
        declares_ = true;
    } else {
        const TokenRecord& next = gTokens[i_ + 1];
        if (i_ < l_.count && next.StartPos == gTokens[i_].EndPos && gSuffixTip[next.Kind] != 0 && gSuffixTip[next.Kind] == keyword.Tip) {
            ++i_;
            style(next.StartPos, 1, STYLE_Keyword);
        }
    }
}

// After New, Each, Last or First a type, after Goto, Gosub or Restore a
// label: the next word in its style, or a list of what it may be.
void CaretLinePass::declaredContext(clsHash& table, int styleNumber, void (*complete)()) {
    if (caretAfter(i_) && gCharAdded) {
        complete();
        return;
    }
    if (!nextIsIdentifier())
        return;
    if (table.ExistsHash(gTokens[i_ + 1].Text())) {
        ++i_;
        // A type after New keeps its spelling here; the light pass corrects it.
        if (styleNumber == STYLE_Label && gTokens[i_].Text() != gFoundItem->Ime)
            FixTokenCase(gFoundItem->Ime, i_, l_.lineBase);
        styleToken(styleNumber);
    } else if (CompletionDueAt(l_.lineBase + gTokens[i_ + 1].EndPos)) {
        complete();
    }
}

void CaretLinePass::objectContext() {
    ++i_;
    style(gTokens[i_].StartPos, 1, STYLE_Separator);
    if (caretRightAfterChar(i_) && gCharAdded)
        AutocompleteType();
    if (nextIsIdentifier() && ActiveCodeModel()->Types.ExistsHash(gTokens[i_ + 1].Text())) {
        ++i_;
        if (gTokens[i_].Text() != gFoundItem->Ime)
            FixTokenCase(gFoundItem->Ime, i_, l_.lineBase);
        styleToken(STYLE_Type);
    }
}

void CaretLinePass::unknownName() {
    const TokenRecord& t = gTokens[i_];
    if (i_ == 2 && gTokens[1].Kind == '.') {
        // A label definition that no table holds.
        style(gTokens[1].StartPos, static_cast<int>(t.Text().size()) + 1, STYLE_Text);
        return;
    }
    if (CompletionDueAt(l_.lineBase + t.EndPos))
        Autocomplete();
    ColorBadVar(i_, l_.count, l_.lineBase, STYLE_Text);
}

// A "." after a name that no variable's colouring took: a type follows.
void CaretLinePass::dot() {
    if (i_ == 1 || gTokens[i_ - 1].Kind != tkIdent)
        return;
    if (caretRightAfterChar(i_) && gCharAdded)
        AutocompleteType();
    if (i_ < l_.count && CompletionDueAt(l_.lineBase + gTokens[i_ + 1].EndPos))
        AutocompleteType();
}

}

void ColorCurrentLine(int Line, bool Sequential) {
    if (Sequential)
        SetStopErrorLog(12923);
    if (!ActiveCodeModel())
        return;
    EndLightColouringWalk();
    gColoringCaretLine = true;
    gInDeclaration = false;
    gAutoCShown = false;
    try {
        OwnEdits ownEdits;
        EmptyBracketStack();
        CaretLinePass(Line).run();
        StyleUnclosedBrackets();
    } catch (...) {
        SetErrorLog(QStringLiteral("ColorCurrentLine"), QStringLiteral("Mod_Parse"));
    }
    gColoringCaretLine = false;
}
