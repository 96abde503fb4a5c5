#include "language/colour/Colouring.h"

#include "editor/CurrentView.h"
#include "language/model/CodeModel.h"
#include "language/model/DeclarationParsing.h"
#include "foundation/errors/ErrorLog.h"
#include "language/colour/BracketStack.h"
#include "language/colour/CaseCorrection.h"
#include "language/colour/ColouredLine.h"
#include "language/colour/ColouringFlags.h"
#include "language/colour/ExpressionColouring.h"
#include "language/colour/LineStyles.h"
#include "language/colour/NameContexts.h"
#include "language/colour/NameLookup.h"
#include "vocabulary/StyleNumbers.h"
#include "language/colour/StyleRun.h"
#include "language/colour/VariableColouring.h"
#include "language/lexer/CharTables.h"
#include "language/lexer/Lexer.h"
#include "language/model/DeclarationRecords.h"
#include "language/model/ScopeQueries.h"
#include "language/parser/ParseState.h"
#include "vocabulary/SettingsValues.h"

namespace {

// The light pass over one line. i is the current token; a step that
// consumed tokens leaves i on the last of them.
class LightPass {
public:
    LightPass(int line, bool sequential) : l_(line, sequential), sequential_(sequential) {}

    void run();
    long lineStart() const { return l_.lineBase + 1; }
    long lineLength() const { return l_.length; }
    bool isLastLine() const { return l_.isLastLine; }

private:
    void identifier();
    bool missesBrackets(const ClsBBFunkcija& keyword) const;
    void keywordContext(const ClsBBFunkcija& keyword);
    void enterFunction();
    void enterType();
    void fieldList();
    void declaredNext(clsHash& table, int styleNumber);
    void styleToken(int styleNumber) const {
        StyleRun(l_.lineBase + gTokens[i_].StartPos, gTokens[i_].EndPos - gTokens[i_].StartPos, styleNumber);
    }
    const QString& nextText() const { return gTokens[i_ + 1].Text(); }
    bool nextIsIdentifier() const { return TokenKindAt(i_ + 1) == tkIdent; }

    ColouredLine l_;
    const bool sequential_;
    int i_ = 1;
};

void LightPass::run() {
    for (i_ = 1; i_ <= l_.count; ++i_) {
        const TokenRecord& t = gTokens[i_];
        if (t.Kind == tkIdent) {
            identifier();
        } else if (t.Kind == '.' && i_ == 1 && nextIsIdentifier()) {
            // A label definition.
            StyleRun(l_.lineBase + t.StartPos, static_cast<int>(nextText().size()) + 1, STYLE_Label);
            i_ = 2;
        } else if (gIsSuffixChar[t.Kind]) {
            ColorBadVar(i_, l_.count, l_.lineBase, gStrictModeStyle);
        } else if (t.Kind == '(' || t.Kind == '[') {
            OpenBracket(l_.lineBase + t.StartPos, static_cast<char>(t.Kind));
        } else if (t.Kind == ')' || t.Kind == ']') {
            CloseBracket(l_.lineBase + t.StartPos, static_cast<char>(t.Kind));
        }
    }
}

void LightPass::identifier() {
    const PreparedName& name = PrepareName(gTokens[i_].Text());
    if (FindFunction(name)) {
        ColourDeclaredName(gFoundItem, STYLE_Function, i_, l_.count, l_.lineBase);
        return;
    }
    if (const ClsBBFunkcija* keyword = FindKeyword(name)) {
        if (missesBrackets(*keyword)) {
            styleToken(gStrictModeStyle);
            return;
        }
        styleToken(STYLE_Keyword);
        if (sequential_)
            keywordContext(*keyword);
        return;
    }
    if (gCurrentFunction.isEmpty() || !sequential_)
        gCurrentFunction = CurrentFunction(l_.line);
    const int styleNumber = FindVariable(name, ScopeOrder::LocalsFirst);
    if (styleNumber >= 0)
        ColourDeclaredName(gFoundItem, styleNumber, i_, l_.count, l_.lineBase);
    else
        ColorBadVar(i_, l_.count, l_.lineBase, gStrictModeStyle);
}

bool LightPass::missesBrackets(const ClsBBFunkcija& keyword) const {
    return CheckForMissingBracesOnFunctions != 0 && gTokens[i_].Text().size() >= 4 && TokenKindAt(i_ + 1) != '(' &&
           keyword.MoraZagradi;
}

// Keywords as written in the line: a lower-case "new" is no type context.
void LightPass::keywordContext(const ClsBBFunkcija& keyword) {
    const QString& word = gTokens[i_].Text();
    CodeModel& project = *ActiveCodeModel();
    if (word == QLatin1String("Object") && TokenKindAt(i_ + 1) == '.') {
        ++i_;
        StyleRun(l_.lineBase + gTokens[i_].StartPos, 1, STYLE_Separator);
        declaredNext(project.Types, STYLE_Type);
        return;
    }
    if (word == QLatin1String("End") && nextIsIdentifier()) {
        if (nextText() == QLatin1String("Function")) {
            ++i_;
            gCurrentFunction.clear();
        } else if (nextText() == QLatin1String("Type")) {
            ++i_;
            gCurrentType.clear();
        }
        return;
    }
    if (nextIsIdentifier()) {
        if (word == QLatin1String("Function"))
            enterFunction();
        else if (word == QLatin1String("Type"))
            enterType();
        else if (word == QLatin1String("Field"))
            fieldList();
        else if (TypeFollows(word))
            declaredNext(project.Types, STYLE_Type);
        else if (LabelFollows(word))
            declaredNext(project.Labels, STYLE_Label);
        return;
    }
    const TokenRecord& next = gTokens[i_ + 1];
    if (i_ < l_.count && next.StartPos == gTokens[i_].EndPos && gSuffixTip[next.Kind] != 0 && gSuffixTip[next.Kind] == keyword.Tip) {
        ++i_;
        StyleRun(l_.lineBase + next.StartPos, 1, STYLE_Keyword);
    }
}

// The next word, when the table holds it, in its declared spelling and the style.
void LightPass::declaredNext(clsHash& table, int styleNumber) {
    if (!nextIsIdentifier() || !ExistsName(table, nextText()))
        return;
    ++i_;
    if (gTokens[i_].Text() != gFoundItem->Ime)
        FixTokenCase(gFoundItem->Ime, i_, l_.lineBase);
    styleToken(styleNumber);
}

// The name itself is coloured as the next token.
void LightPass::enterFunction() {
    CodeModel& project = *ActiveCodeModel();
    // The record of the line is one of that name: only without it need the name be looked for.
    const CodeRecordPtr record = project.Funkcii.ItemHandle(nextText(), l_.line, gSciWndData);
    if (!record && !project.Funkcii.ExistsOnlyHash(nextText())) {
        // Only at the line's start is the word surely a header to the parser; further on an
        // initialiser or a declared name may hold it.
        if (i_ == 1)
            SetStopErrorLog(18800);
        return;
    }
    gCurrentFunction = nextText();
    if (const auto* function = dynamic_cast<const ClsFunkcija*>(record.get()))
        gCurrentLocals = function->Locals;
}

void LightPass::enterType() {
    CodeModel& project = *ActiveCodeModel();
    if (!project.Types.ExistsOnlyHash(nextText()))
        return;
    ++i_;
    gCurrentType = gTokens[i_].Text();
    const CodeRecordPtr record = project.Types.ItemHandle(gCurrentType, l_.line, gSciWndData);
    if (const auto* type = dynamic_cast<const ClsType*>(record.get()))
        gCurrentFields = type->Fields;
}

// Each field of the list in the field style, with its suffix and type.
void LightPass::fieldList() {
    if (gCurrentType.isEmpty())
        gCurrentType = CurrentType(l_.line);
    if (gCurrentType.isEmpty() || !gCurrentFields) {
        // A field outside every Type is declared all the same: its names keep their spelling.
        while (nextIsIdentifier()) {
            ++i_;
            SkipVarDeclaration(i_, l_.count);
            if (TokenKindAt(i_) != ',') {
                --i_;
                return;
            }
        }
        return;
    }
    while (nextIsIdentifier()) {
        if (!ExistsName(*gCurrentFields, nextText()))
            return;
        ++i_;
        ColorVar(gFoundItem, i_, l_.count + 1, l_.lineBase, STYLE_Type);
        if (TokenKindAt(i_ + 1) != ',')
            return;
        ++i_;
    }
}

}

void ColorLineLight(int Line, bool Sequential) {
    if (!ActiveCodeModel())
        return;
    // The pass itself changes no text but to respell, which silences the
    // view for itself, as the writing of the gathered styles does.
    LineStyles& styles = LightLineStyles();
    try {
        EmptyBracketStack();
        LightPass pass(Line, Sequential);
        styles.beginLine(pass.lineStart(), pass.lineLength());
        pass.run();
        StyleUnclosedBrackets();
        styles.endLine(Sequential && !pass.isLastLine());
    } catch (...) {
        styles.textWillChange();
        SetErrorLog(QStringLiteral("ColorLineLight"), QStringLiteral("Mod_Parse"));
    }
}

void EndLightColouringWalk() {
    LightLineStyles().endLine(false);
}
