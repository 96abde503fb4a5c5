#pragma once

#include <QString>
#include <QStringList>

class ClsProject;

// The project file (.kpf): a header, then the sections Settings, Folders
// and Files of attribute lines. Member and category paths are relative to
// the project folder and written with "\", so the file opens on Windows too;
// the file never says where it lies.

// FullPath, Path (with a trailing "/") and Name of a project whose file is at path.
void SetProjectFilePath(ClsProject& project, const QString& path);

// The lines of the project's file, in the order they are written.
QStringList ProjectFileLines(const ClsProject& project);

// Writes the project file at FullPath, atomically, and clears Dirty. A
// failure is reported, leaves the old file as it was and Dirty set.
bool SaveProject(ClsProject& project);

// Fills a fresh project from the file at path; false when the file cannot
// be read or is not a valid project file (a wrong header, a section without
// its closer, a value that does not convert). A member missing from disk is
// announced and left out.
bool BuildProjectFromFile(const QString& path, ClsProject& project);
