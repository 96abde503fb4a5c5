#pragma once

// The lines of the current view that a line command works on: from the
// selection start's line to the selection end's, without a last line that
// the selection only touches at its start. A collapsed fold header as the
// last line brings in its hidden body, or, for a new block, is left out.
// Empty (last < first) when nothing is left.
struct LineRange {
    long first = 0;
    long last = -1;
    bool isEmpty() const { return last < first; }
};

enum class CollapsedLastLine { IncludeBody, Exclude };

LineRange WholeLineRange(CollapsedLastLine collapsed);
