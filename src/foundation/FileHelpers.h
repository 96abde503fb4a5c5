#pragma once

#include <QString>

// Collapses each doubled path separator ("//" or "\\") to one, in a single
// left-to-right pass over non-overlapping pairs: a run of three becomes two.
QString FixDoubleBackslash(const QString& path);
