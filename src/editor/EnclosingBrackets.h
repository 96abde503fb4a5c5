#pragma once

#include <cstdint>

// A pair of brackets on a line: positions of the opener and the closer, -1
// for none.
struct BracketPair {
    long opener = -1;
    long closer = -1;
};

// On the current view, the pair of round or square brackets around the
// caret on its line: the first ")" or "]" at or after the caret whose
// matching opener (of its kind and of its style, as Scintilla's own match
// counts brackets) lies on the line before the caret. The work grows with
// the distance of the pair from the caret, and with the line only when no
// pair encloses it.
BracketPair EnclosingBrackets(long caret, long lineStart, long lineEnd);

// Positions the search has read, so that a test can see how its work grows.
std::uint64_t EnclosingBracketsPositionsRead();
