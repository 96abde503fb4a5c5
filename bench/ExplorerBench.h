#pragma once

#include <QString>

// korvo-bench --explorer [LINES] [--lng KEYWORDS]: on a generated program of
// LINES lines (50,000 unless given), how long each code explorer list takes
// to fill in full, per item too; a refresh of the globals list after one
// added Global line; and the switch to the current file's lists.
int RunExplorerBench(int lines, const QString& keywordListing);
