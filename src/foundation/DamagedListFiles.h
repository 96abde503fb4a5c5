#pragma once

#include <QString>

// A list file that Korvo loads and writes back whole (hot codes, external
// tools, compilers) and that did not load whole. Writing back only the
// entries that loaded would lose the rest, so such a file is kept as it is
// until the user agrees to replace it, and its bytes are then first kept
// beside it as NAME.damaged.

// What stopped a list file from loading whole: the 1-based line at fault
// (0: the file could not be read) and why.
struct ListFileFault {
    int line = 0;
    QString reason;
};

// Tells the user which file did not load whole, at which line and why; the
// file counts as damaged.
void ReportDamagedListFile(const QString& path, int line, const QString& reason);
// The file loaded whole: it is no longer damaged.
void ForgetDamagedListFile(const QString& path);
// Before a save replaces the file: true when it may. A damaged file is
// replaced only when the user answers Yes, and only once its bytes are
// kept as NAME.damaged; No, the default, keeps it as it is.
bool MayReplaceListFile(const QString& path);
