#pragma once

#include <Qsci/qsciscintillabase.h>

// Folds are the program's own: the parser sets fold levels line by line.

constexpr int kFoldBase = QsciScintillaBase::SC_FOLDLEVELBASE;  // the outermost level
constexpr int kFoldNumberMask = QsciScintillaBase::SC_FOLDLEVELNUMBERMASK;
constexpr int kFoldHeaderFlag = QsciScintillaBase::SC_FOLDLEVELHEADERFLAG;

// Folds or unfolds at the line; a caret that the fold hides moves to the
// start of the header that hid it.
void ToggleFold(int Line);
