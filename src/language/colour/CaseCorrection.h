#pragma once

#include <QString>

// Replaces Length characters from Start in the document of the current view
// by Text, as one undoable step. A step that fails is skipped.
void ReplaceRange(long Start, const QString& Text, long Length);

// Respells the word of token i of gTokens as Text (the same word in other
// letter case), outside the undo history, under setting FixVariableCase.
// The word under the caret is left alone, and so is every word while an
// undo group is open on the view: a later pass corrects it.
void FixTokenCase(const QString& Text, int i, int LineBase);
