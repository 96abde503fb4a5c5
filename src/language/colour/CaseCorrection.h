#pragma once

#include <QString>

// Respells the word of token i of gTokens as Text (the same word in other
// letter case), outside the undo history, under setting FixVariableCase.
// The word under the caret is left alone, and so is every word while an
// undo group is open on the view: a later pass corrects it.
void FixTokenCase(const QString& Text, int i, int LineBase);
