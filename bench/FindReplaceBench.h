#pragma once

#include <QString>

// Replace All with a longer replacement, its Undo and Mark All, each with
// the paint that follows, on generated programs of 5,000 and 50,000 lines
// with a match on every fifth line; the time per match of each.
void PrintFindReplaceTimes(const QString& folder);
