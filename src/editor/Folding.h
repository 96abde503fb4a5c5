#pragma once

// Folds are the program's own: the parser sets fold levels line by line.

// After line Line was parsed with the running level Level: re-levels the
// lines below it down to the next function boundary and keeps their
// main-program markers in step.
void CheckFold(int Line, int Level);

// Folds or unfolds at the line; a caret that the fold hides moves to the
// start of the header that hid it.
void ToggleFold(int Line);
