#pragma once

#include <QString>

// A line put where the tokenizer reads it: its bytes into gLineBuffer from
// index 1, and as characters into Text, whose storage is reused. Length
// receives the number of characters, the line end included.

// Line of the current view.
void ReadLineIntoBuffer(long line, QString& Text, int& Length);
// The same, for a caller that knows the line's first position.
void ReadLineIntoBuffer(long line, long start, QString& Text, int& Length);
