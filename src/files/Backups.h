#pragma once

#include <QDateTime>
#include <QString>

// Copies a file as it is on disk before a save replaces it: numbered copies
// FILE.bak1 (newest) .. FILE.bakN (gBackupBakIncrement), or a dated copy
// (gBackupType 1), beside the file or in gBackupStoreFolder
// (gBackupStoreType 1). A file not on disk needs none. False, once the user
// was told which copy failed and why: the save must not replace the file then.
bool BackupFile(const QString& path);

// The dated copy's name: "main.bb_25.12.2006_14.30.bak", the month first
// when monthFirst.
QString DatedBackupName(const QString& fileName, const QDateTime& when, bool monthFirst);
// Whether the system's short date puts the month first.
bool ShortDateIsMonthFirst();
