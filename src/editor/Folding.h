#pragma once

#include <Qsci/qsciscintillabase.h>

// Folds are the program's own: the parser sets fold levels line by line.

constexpr int kFoldBase = QsciScintillaBase::SC_FOLDLEVELBASE;  // the outermost level
constexpr int kFoldNumberMask = QsciScintillaBase::SC_FOLDLEVELNUMBERMASK;
constexpr int kFoldHeaderFlag = QsciScintillaBase::SC_FOLDLEVELHEADERFLAG;

// Folds or unfolds at the line; a caret that the fold hides moves to the
// start of the header that hid it.
void ToggleFold(int Line);

// Marker masks of the fold commands: every fold header, or only the
// headers that also carry a function, Type or block marker.
constexpr long kFoldAllHeaders = 1L << 5;
constexpr long kFoldFunctions = 1L << 0;
constexpr long kFoldTypes = 1L << 2;
constexpr long kFoldBlocks = 1L << 22;

// Collapse (expand) from the top every open (closed) fold header whose
// markers share a bit with the mask; nothing while the fold margin is off.
void FoldEverything(long Mask);
void UnFoldEverything(long Mask);
