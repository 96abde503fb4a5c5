#pragma once

// Every jump in the current view goes through these; with no active editor
// they do nothing.

// Shows the line, unfolded, with the caret at its start; at the top of the
// view when GotoPositionsAtTop is on.
void GotoLineShow(long Line);
// Shows the position, unfolded, with the caret on it.
void GotoPosShow(long Pos);

// Gives the active document's editor the keyboard focus.
void FocusEditor();
