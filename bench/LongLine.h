#pragma once

#include <QString>

// Prints how long a file of one long line takes from OpenFile until its
// window is shown and painted, at 1 MB and at 10 MB, for a line of code and
// a line holding one string. The component lays out all of a shown line, so
// the larger cannot be quicker than ten times the smaller; the goal is that
// it takes no more than about that. The files go into the folder.
void PrintLongLineTimes(const QString& folder);
