#pragma once

// The indentation level (1 = column 0) that the line after Line should have:
// the level of the nearest line at or above Line that holds code, plus the
// blocks that line opens, less those it closes when the parser has not
// re-indented it yet.
int GetNextIndent(int Line);
