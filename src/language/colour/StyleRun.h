#pragma once

// Gives `length` characters from `position` of the current view one style.
// The run is kept inside the line it starts on, line end included, and so
// inside the document: Scintilla aborts on a run that leaves it.
void StyleRun(long position, long length, int style);
