#pragma once

#include "platform/KorvoError.h"

#include <QString>

#include <optional>

// Opens a file with the desktop's shell: verb op ("" for the file type's
// default action), command-line params and working folder dir for a program,
// window state show. A file whose name holds ".EXE" (any case) is started
// hidden. Never raises: a failure returns false and is kept as the last
// shell error.
bool GShell(const QString& file, int show = 1, const QString& params = QString(), const QString& dir = QString(),
            const QString& op = QString());

// The error of the last GShell that failed, until the next GShell succeeds.
std::optional<KorvoError> GShellLastError();
