#pragma once

#include <QString>

// A line of the current view put where the tokenizer reads it: its bytes
// into gLineBuffer from index 1. The number of characters, the line end
// included, is returned; start is the line's first position when the
// caller knows it.
int ReadLineBytes(long line);
int ReadLineBytes(long line, long start);

// The same, and the line as characters into Text, whose storage is reused;
// Length receives the number of characters.
void ReadLineIntoBuffer(long line, QString& Text, int& Length);
void ReadLineIntoBuffer(long line, long start, QString& Text, int& Length);
