#pragma once

#include <QString>

// What the shell calls of workspaces before they are built: nothing happens.
void LoadWorkSpace(const QString& path);
void SaveWorkSpace(const QString& path);
