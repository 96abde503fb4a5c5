#pragma once

// A "Stop" line is a breakpoint (marker 23). On a line that has the marker,
// takes away its leading "Stop" (with a ":" after it) and the marker;
// otherwise puts "Stop" (before nothing) or "Stop :" (before a statement) at
// the line's first non-blank character as one undo step and adds the
// marker. An empty line stays as it is. Line -1 stands for the caret line.
void ToggleBreakPoint(long Line);
