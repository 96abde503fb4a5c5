#pragma once

#include <QString>

// "Could not save PATH ..." (critical, "Document could not be saved !").
void ShowSaveFailure(const QString& path);
