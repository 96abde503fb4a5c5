#pragma once

#include "vocabulary/Markers.h"

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
constexpr long kFoldAllHeaders = markerMask(MARKER_FOLDSTART);
constexpr long kFoldFunctions = markerMask(MARKER_FUNCTION);
constexpr long kFoldTypes = markerMask(MARKER_TYPE);
constexpr long kFoldBlocks = markerMask(MARKER_BLOCK);

// Collapse (expand) from the top every open (closed) fold header whose
// markers share a bit with the mask; nothing while the fold margin is off.
void FoldEverything(long Mask);
void UnFoldEverything(long Mask);
