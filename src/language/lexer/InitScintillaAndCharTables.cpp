#include "language/lexer/InitScintillaAndCharTables.h"

#include "language/lexer/CharTables.h"

namespace {

void markAll(bool* table, const char* characters) {
    for (const char* c = characters; *c; ++c)
        table[static_cast<unsigned char>(*c)] = true;
}

void markRange(bool* table, char first, char last) {
    for (int c = first; c <= last; ++c)
        table[c] = true;
}

}

void InitScintillaAndCharTables() {
    for (int c = 32; c <= 127; ++c)
        gUpperCase[c] = static_cast<short>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);

    markRange(gIsLetter, 'a', 'z');
    markRange(gIsLetter, 'A', 'Z');
    markRange(gIsDigit, '0', '9');
    for (int c = 0; c < 256; ++c)
        gIsIdentChar[c] = gIsLetter[c] || gIsDigit[c] || c == '_';
    markAll(gIsBlank, "\t ");
    markRange(gIsHexDigit, '0', '9');
    markRange(gIsHexDigit, 'A', 'F');
    markRange(gIsHexDigit, 'a', 'f');
    markAll(gIsBinDigit, "01");
    markAll(gIsOperator, "=<>+-*/^~");
    markAll(gIsBracket, "()[]");
    markAll(gIsCloseBracket, ")]");
    markAll(gIsNameFollower, "\\%.$[(#");
    markAll(gIsSuffixChar, "\\%.$#");
    markAll(gIsDelimiter, "\\%][)(#,:");

    gSuffixTip[int('%')] = 1;
    gSuffixTip[int('#')] = 2;
    gSuffixTip[int('$')] = 3;

    const char* const suffixes[] = {"", "%", "#", "$", "?", ".", "??"};
    for (int tip = 0; tip < 7; ++tip)
        gTipSuffix[tip] = QString::fromLatin1(suffixes[tip]);
}
