#pragma once

#include <QString>

// Colouring of the tokens inside declarations and expressions, on gTokens
// of the current view's line. LineBase is the line's start position - 1, so
// token i starts at LineBase + gTokens[i].StartPos.

// Styles token i by its kind alone: keywords (respelled as the keyword
// table has them), numbers, strings, separators and operators.
void ColorToken(int i, int LineBase);

// Styles token i when it is a number, a string, a "," or ":" or an
// operator; False for any other token.
bool StyleLiteralToken(int i, int LineBase);

// Colours from token i to the end of an expression: a "," or ":" outside
// brackets, or a ")" that closes a bracket opened before i. Leaves i on that
// token, or on Limit.
void ColorExprDoZapirka(int& i, int Limit, int LineBase);

// Moves i to the end of an expression as ColorExprDoZapirka finds it, or one
// past Limit.
void SkipExprToComma(int& i, int Limit);

// Replaces token i in the document by Text, as one undoable step.
void ReplaceToken(const QString& Text, int i, int LineBase);

// The kind of token i, tkNone beyond the token array.
unsigned char TokenKindAt(int i);
