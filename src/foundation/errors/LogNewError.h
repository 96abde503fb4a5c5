#pragma once

#include <QString>

// Records an error that was found rather than caught: it is raised and
// handed straight to the error log, the way a trapping procedure reports.
void LogNewError(int number, const QString& description, const QString& procedure, const QString& module);
// The same without showing the error form.
void LogNewErrorQuietly(int number, const QString& description, const QString& procedure, const QString& module);
