#pragma once

#include "language/model/DeclarationRecords.h"

#include <QString>

// Reading what follows a declared name on gTokens of the current view's
// line. i points at the name on entry and is left on the first token not
// consumed. LineBase is the line's start position - 1.

// Reads a Function header after the name: the result type into Func and
// each parameter into Func's Locals. Returns the 1-based position in Text
// just after the "(" of the parameter list, or 0 when there is none.
int BuildFunction(ClsFunkcija& Func, int& i, int TokenCount, int LineBase, const QString& Text);

// Reads a variable, field, constant or parameter after its name: its type
// suffix, then an "= initialiser" or a "[size]", colouring what it passes.
// Returns the type code; TypeName is set for a custom type, BracketIndex to
// the index of a "[", HasBrackets to whether a complete [ ... ] was read.
unsigned char GetVarTipColor(int& i, QString& TypeName, int& BracketIndex, bool& HasBrackets, int TokenCount, int LineBase);

// The same for a Dim name and its "(dimensions)".
unsigned char GetArrayVarTipColor(int& i, QString& TypeName, int& BracketIndex, bool& HasBrackets, int TokenCount, int LineBase);

// Pass over the same grammar without recording or colouring anything.
void SkipVarDeclaration(int& i, int TokenCount);
void SkipArrayDeclaration(int& i, int TokenCount);
