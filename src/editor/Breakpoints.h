#pragma once

// A "Stop" line is a breakpoint (marker 23). On a line with the marker that
// begins (after blanks) with "Stop" in any case, takes away that "Stop", the
// blanks after it and one ":" after those, and the marker; a marked line
// without it stays as it is. On any other line, puts "Stop" (before nothing
// but blanks) or "Stop :" at the line's start as one undo step and adds the
// marker. The empty last line stays as it is. Line -1 stands for the caret
// line.
void ToggleBreakPoint(long Line);
