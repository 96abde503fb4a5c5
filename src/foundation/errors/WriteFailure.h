#pragma once

#include <QString>

// A file Korvo could not write: the error log gets the record under the
// procedure and module, and the user a message naming the file and the reason
// (platform::lastWriteFailure()).
void ReportWriteFailure(const QString& path, const QString& procedure, const QString& module);
