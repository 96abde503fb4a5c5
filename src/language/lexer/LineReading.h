#pragma once

#include <QString>

// A line of the current view put where the tokenizer reads it: its bytes
// into gLineBuffer from index 1. The number of characters, the line end
// included, is returned; start is the line's first position when the
// caller knows it.
int ReadLineBytes(long line);
int ReadLineBytes(long line, long start);
// The same for lines read one after the other, as a pass from the top
// reads them; Start receives the line's first position. The text ahead is
// copied from the view in stretches, so that a line of a view whose text
// stays as it was costs no message of its own.
int ReadNextLineBytes(long line, long& Start);

// The same, and the line as characters into Text, whose storage is reused;
// Length receives the number of characters.
void ReadLineIntoBuffer(long line, QString& Text, int& Length);
void ReadLineIntoBuffer(long line, long start, QString& Text, int& Length);
