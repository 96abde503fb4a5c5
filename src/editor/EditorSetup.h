#pragma once

// Turns the current view into a Blitz Basic editor. SetSciConstants sets
// what never changes (notified modifications, key map, marker symbols);
// SetSciOptions applies the editor options, and with withStyle also the
// colour style. Both log a failure and keep the steps already made.
void SetSciConstants();
void SetSciOptions(bool withStyle);

// Line-number margin as wide as the line count needs (at least four digits
// and a sign), or 1 pixel when line numbers are off.
void UpdateLineNumberMargin();

// A line break opening an undo group that the next update closes, so that
// the break and the indentation added to it undo together.
void NewLineInUndo();

// An undo group is open until the next update.
extern bool gUndoGroupOpen;
