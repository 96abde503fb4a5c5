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
// styled otherwise stays. The styles of Sequential lines may wait to be
// written with the lines that follow, up to the document's last line.
void ColorLineLight(int Line, bool Sequential);
// Writes the styles that wait: a walk of Sequential lines that stops before
// the document's last line ends with it.
void EndLightColouringWalk();
// For the line whose edit is pending, Text being its text before the edit:
// keeps the scope in step and styles nothing.
void ColorUnparsedLineLight(int Line, bool Sequential, const QByteArray& Text);
// Restyles the line's keywords after the keyword table changed.
void ReColorLine(int Line);
