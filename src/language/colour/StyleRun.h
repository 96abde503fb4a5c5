#pragma once

// Gives `length` characters from `position` of the current view one style,
// as far as they lie on position's line and inside the document: Scintilla
// aborts the process on a run that passes the end of the document.
void StyleRun(long position, long length, int style);
