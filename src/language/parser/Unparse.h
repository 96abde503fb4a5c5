#pragma once

#include <QByteArray>

#include <optional>

// Takes out of the code model what Parseline put into it for a line, moving
// the declarations that a disappearing scope boundary held over to the scope
// that now encloses them, and leaves the line without parse markers.
// Text, when given, is the text the line had when it was parsed; otherwise
// the line is read from the current view. InFilePass: the lines are visited
// from the top in order, so the carried scope is used when it is known.
void UnparseLine(int Line, bool InFilePass, const std::optional<QByteArray>& Text = std::nullopt);

void UnparseLineText(int Line, const QByteArray& Text);

// Unparses lines First to Last in order from the top: the scope is found at
// First and carried down, so the pass costs the same at any line.
// ParsedOnly: lines without the parsed-line marker are left alone.
void UnparseLines(long First, long Last, bool ParsedOnly);

// Takes every record of the current document out of the model at once, as
// its whole text is about to go: the text takes every marker with it.
void UnparseWholeText();
