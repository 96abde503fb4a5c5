#include "language/model/DeclarationParsing.h"

#include "editor/CurrentView.h"
#include "editor/frmDoc.h"
#include "foundation/errors/ErrorLog.h"
#include "language/colour/ExpressionColouring.h"
#include "language/colour/StyleRun.h"
#include "language/lexer/Lexer.h"
#include "platform/BlockPool.h"
#include "vocabulary/StyleNumbers.h"

namespace {

// The type suffix at token i, right after a name; i is moved past it.
// A name without suffix is an integer.
unsigned char readSuffix(int& i, QString& TypeName) {
    switch (TokenKindAt(i)) {
    case '#':
        ++i;
        return TipFloat;
    case '$':
        ++i;
        return TipString;
    case '%':
        ++i;
        return TipInteger;
    case '.':
        if (TokenKindAt(i + 1) == tkIdent) {
            TypeName = gTokens[i + 1].Text();
            i += 2;
            return TipCustom;
        }
        ++i;
        return TipNone;
    default:
        return TipInteger;
    }
}

QString activeDocumentFilename() {
    return gActiveDoc ? gActiveDoc->Filename() : QString();
}

// Steps past the token at i and everything up to the first `closing`.
void skipBracket(int& i, int TokenCount, unsigned char closing) {
    ++i;
    while (TokenKindAt(i) != closing && i < TokenCount)
        ++i;
    ++i;
}

void addParameter(ClsFunkcija& Func, int& i, int TokenCount, int LineBase, const QString& Text) {
    // From the pool, as every other record.
    auto local = std::allocate_shared<ClsLocalVar>(PoolAllocator<ClsLocalVar>());
    ++i;
    local->Ime = gTokens[i].Text();
    local->Handle = Func.Handle;  // parameters are anchored to the Function line
    local->File = activeDocumentFilename();
    local->SciWndData = gSciWndData;

    QString typeName;
    int bracketIndex = 0;
    bool hasBrackets = false;
    local->Tip = GetVarTipColor(i, typeName, bracketIndex, hasBrackets, TokenCount, LineBase);
    if (local->Tip == TipCustom)
        local->Tajp = typeName;
    if (hasBrackets) {
        const int open = gTokens[bracketIndex].StartPos;
        local->IsBBArray = true;
        local->SetArraySize(Text.mid(open - 1, gTokens[i - 1].StartPos - open + 1));
    }
    Func.Locals->Add(local->Ime, local);
    ++Func.VlezNum;
}

}

int BuildFunction(ClsFunkcija& Func, int& i, int TokenCount, int LineBase, const QString& Text) {
    int result = 0;
    try {
        ++i;
        // A "." without a type name leaves the function's type alone.
        if (TokenKindAt(i) != '.' || TokenKindAt(i + 1) == tkIdent)
            Func.Tip = readSuffix(i, Func.Tajp);
        if (TokenKindAt(i) != '(')
            return 0;
        Func.VlezNum = 0;
        result = gTokens[i].StartPos + 1;
        while (i != TokenCount && TokenKindAt(i + 1) == tkIdent) {
            addParameter(Func, i, TokenCount, LineBase, Text);
            if (TokenKindAt(i) != ',')
                break;
            StyleRun(LineBase + gTokens[i].StartPos, 1, STYLE_Separator);
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("BuildFunction"), QStringLiteral("Mod_Parse"));
    }
    return result;
}

unsigned char GetVarTipColor(int& i, QString& TypeName, int& BracketIndex, bool& HasBrackets, int TokenCount, int LineBase) {
    unsigned char tip = TipInteger;
    try {
        ++i;
        tip = readSuffix(i, TypeName);
        HasBrackets = false;
        if (TokenKindAt(i) == '=') {
            StyleRun(LineBase + gTokens[i].StartPos, 1, STYLE_Operator);
            ++i;
            ColorExprDoZapirka(i, TokenCount, LineBase);
        } else if (TokenKindAt(i) == '[') {
            BracketIndex = i;
            ++i;
            while (TokenKindAt(i) != ']' && i < TokenCount) {
                ColorToken(i, LineBase);
                ++i;
            }
            if (TokenKindAt(i) == ']') {
                HasBrackets = true;
                ++i;
            }
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("GetVarTipColor"), QStringLiteral("Mod_Parse"));
    }
    return tip;
}

unsigned char GetArrayVarTipColor(int& i, QString& TypeName, int& BracketIndex, bool& HasBrackets, int TokenCount, int LineBase) {
    unsigned char tip = TipInteger;
    try {
        ++i;
        tip = readSuffix(i, TypeName);
        HasBrackets = false;
        if (TokenKindAt(i) != '(')
            return tip;
        BracketIndex = i;
        while (TokenKindAt(i) != ')' && i < TokenCount) {
            ++i;
            ColorToken(i, LineBase);
        }
        if (i <= TokenCount) {
            HasBrackets = true;
            ++i;
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("GetArrayVarTipColor"), QStringLiteral("Mod_Parse"));
    }
    return tip;
}

void SkipVarDeclaration(int& i, int TokenCount) {
    QString typeName;
    ++i;
    readSuffix(i, typeName);
    if (TokenKindAt(i) == '=') {
        ++i;
        SkipExprToComma(i, TokenCount);
    } else if (TokenKindAt(i) == '[') {
        skipBracket(i, TokenCount, ']');
    }
}

void SkipArrayDeclaration(int& i, int TokenCount) {
    QString typeName;
    ++i;
    readSuffix(i, typeName);
    if (TokenKindAt(i) == '(')
        skipBracket(i, TokenCount, ')');
}
