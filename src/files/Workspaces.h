#pragma once

#include <QString>

// Workspaces: the open projects and single files, the layout with its
// document windows and the caret position, in one file. Untitled documents
// are left out. Paths are absolute.

// Writes the workspace file at path, atomically; a failure is reported and
// leaves the old file as it was.
bool SaveWorkSpace(const QString& path);
// Asks where, then SaveWorkSpace; a name without an extension gets ".kws".
void SaveWorkSpaceAs();
// Asks for a workspace file, then LoadWorkSpace.
void OpenWorkspace();
// Checks the whole file, closes every document (each may ask to be saved),
// restores the layout and reopens the projects and files in their order,
// the caret where it was. False, with nothing closed, when the file is
// missing or invalid; false, with nothing opened, when a save prompt kept
// a document open.
bool LoadWorkSpace(const QString& path);
