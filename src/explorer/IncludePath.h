#pragma once

#include <QString>

// The file an Include statement names: its name ("\" read as "/") below the
// folder of the file that holds the statement, "." and ".." resolved; an
// absolute name stands for itself. "" when the holder has no folder (an
// untitled document).
QString IncludedFilePath(const QString& holderPath, const QString& includeName);
