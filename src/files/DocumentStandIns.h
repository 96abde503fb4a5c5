#pragma once

#include <QString>

class frmDoc;

// What the shell calls of files and workspaces before they are built: a
// save answers that it is not available and saves nothing; workspaces and
// new files do nothing.
bool SaveDocument(frmDoc* doc);
void NewFile();
void LoadWorkSpace(const QString& path);
void SaveWorkSpace(const QString& path);
