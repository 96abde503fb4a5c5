#pragma once

#include <QString>

// Records an error that was found rather than caught: it is raised and
// handed straight to SetErrorLog, the way a trapping procedure reports.
void LogNewError(int number, const QString& description, const QString& procedure, const QString& module);
