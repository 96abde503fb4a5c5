#pragma once

#include <QString>

// Prints how long the two unparses of a range of lines take on generated
// programs of 12,500, 50,000 and 200,000 lines, the median of five rounds:
// UnParseFile (closing a project member runs it), and Select All + Delete
// as the user does it, with its paint. Both must grow linearly.
void PrintRangeUnparseTimes(const QString& folder);
