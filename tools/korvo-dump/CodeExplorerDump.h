#pragma once

#include <QStringList>

// korvo-dump --explorer PATH... [--lng KEYWORDS] [--file] [--unsorted]
// [--review]: opens the files (the last one active), then prints each list
// of the code explorer in its table's order: "[KEY]", then per item its
// text, file column and marker line, a function's or type's companion items
// indented below it; with --review, then each unused declaration after
// activating it, with the selection it leaves.
int DumpCodeExplorer(QStringList args);
