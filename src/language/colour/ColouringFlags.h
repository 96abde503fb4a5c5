#pragma once

// State the colouring passes share with their callers.

// The style of names that nothing declares: STYLE_Bad in strict mode, else
// STYLE_Text.
extern int gStrictModeStyle;
// While set, the light passes add each use of a declared name to its
// record's References.
extern bool gCollectReferences;
// While set, the light passes only find what the names are: they neither
// style nor respell, so that uses are counted without colouring.
extern bool gFindingUsesOnly;
// Set for the duration of the caret line's full pass.
extern bool gColoringCaretLine;
// The caret line declares names (after Type, Function, Field, Global,
// Local or Const, up to the next operator): nothing to complete.
extern bool gInDeclaration;
