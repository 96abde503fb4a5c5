#include "language/colour/ExpressionColouring.h"

#include "editor/SciWrappers.h"
#include "foundation/errors/ErrorLog.h"
#include "language/keywords/ActiveKeywords.h"
#include "language/lexer/CharTables.h"
#include "language/lexer/Lexer.h"
#include "language/colour/LineStyles.h"
#include "language/parser/Respelling.h"
#include "vocabulary/StyleNumbers.h"
#include "language/colour/StyleRun.h"

unsigned char TokenKindAt(int i) {
    return i >= 0 && i <= kMaxTokens ? gTokens[i].Kind : static_cast<unsigned char>(tkNone);
}

bool StyleLiteralToken(int i, int LineBase) {
    const TokenRecord& token = gTokens[i];
    const int start = LineBase + token.StartPos;
    switch (token.Kind) {
    case tkNumber:
        StyleRun(start, token.EndPos - token.StartPos, STYLE_Number);
        return true;
    case tkString:
        StyleRun(start, token.EndPos - token.StartPos + 1, STYLE_String);
        return true;
    case ',':
    case ':':
        StyleRun(start, 1, STYLE_Separator);
        return true;
    default:
        if (!gIsOperator[token.Kind])
            return false;
        StyleRun(start, 1, STYLE_Operator);
        return true;
    }
}

void ColorToken(int i, int LineBase) {
    if (i < 1 || i > kMaxTokens)
        return;
    try {
        const TokenRecord& token = gTokens[i];
        if (token.Kind != tkIdent) {
            StyleLiteralToken(i, LineBase);
            return;
        }
        if (const KeywordPtr keyword = gKeywords.Find(token.Text())) {
            if (keyword->Ime != token.Text())
                ReplaceToken(keyword->Ime, i, LineBase);
            StyleRun(LineBase + token.StartPos, static_cast<int>(token.Text().size()), STYLE_Keyword);
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("ColorToken"), QStringLiteral("Mod_Parse"));
    }
}

void ColorExprDoZapirka(int& i, int Limit, int LineBase) {
    try {
        int depth = 0;
        while (i <= kMaxTokens) {
            const unsigned char kind = TokenKindAt(i);
            const int start = LineBase + gTokens[i].StartPos;
            if (kind == '(') {
                ++depth;
                StyleRun(start, 1, STYLE_Separator);
            } else if (kind == ')') {
                --depth;
                StyleRun(start, 1, STYLE_Separator);
                if (depth < 0)
                    return;
            } else if ((kind == ',' || kind == ':') && depth == 0) {
                return;
            } else if (kind == ',') {
                StyleRun(start, 1, STYLE_Separator);
            } else {
                ColorToken(i, LineBase);
            }
            if (i >= Limit)
                return;
            ++i;
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("ColorExprDoZapirka"), QStringLiteral("Mod_Parse"));
    }
}

void SkipExprToComma(int& i, int Limit) {
    int depth = 0;
    while (i <= Limit) {
        const unsigned char kind = TokenKindAt(i);
        if (kind == '(') {
            ++depth;
        } else if (kind == ')') {
            if (--depth < 0)
                return;
        } else if ((kind == ',' || kind == ':') && depth == 0) {
            return;
        }
        ++i;
    }
}

void ReplaceToken(const QString& Text, int i, int LineBase) {
    const TokenRecord& token = gTokens[i];
    const int length = token.EndPos - token.StartPos;
    LightLineStyles().textWillChange();
    ReplaceRange(LineBase + token.StartPos, Text, length);
    if (Text.size() == length)
        FollowRespelling(int(SciLineFromPosition(LineBase + token.StartPos)), token.StartPos, Text);
}
