#pragma once

#include <QByteArray>
#include <QString>

// The colouring passes over one line of the current view, for the document
// of the active code model. Sequential: the caller walks lines in order from the
// top, so the scope found on one line carries to the next (the caller
// empties gCurrentFunction before the first line); otherwise each line
// finds its scope itself.

// The caret line in full: every token, case correction, and the completion
// lists that typing calls for. Always called with Sequential False.
void ColorCurrentLine(int Line, bool Sequential);
// Names, suffixes, brackets and label definitions; what the line parser
// styled otherwise stays.
void ColorLineLight(int Line, bool Sequential);
// For the line whose edit is pending, Text being its text before the edit:
// keeps the scope in step and styles nothing.
void ColorUnparsedLineLight(int Line, bool Sequential, const QByteArray& Text);
// Restyles the line's keywords after the keyword table changed.
void ReColorLine(int Line);

// The text of the line the light pass or ReColorLine read last.
extern QString gLineText;
