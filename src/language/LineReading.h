#pragma once

#include <QByteArray>
#include <QString>

// A line put where the tokenizer reads it: its bytes into gLineBuffer from
// index 1, and returned as text. Length receives the number of characters,
// the line end included.

// Line of the current view.
QString ReadLineIntoBuffer(long line, int& length);
// A line's text given as bytes.
QString LoadLineIntoBuffer(const QByteArray& bytes, int& length);
