#pragma once

#include <QString>

// The recent files and recent projects menus ("FileRecentFiles",
// "FileRecentProjects") and their settings sections "RecentFilenames" and
// "RecentProjects": value "Count", then "1" .. "n", each a full path.
// Captions are the full path when gShowRecentFull is 1, else the file name.

// Fills both menus from the store; an error (a missing menu, a "Count" that
// is no number) goes to the error log and leaves what was added so far.
void LoadRecentFilesProjects();
// Writes both menus back; a missing menu is skipped.
void SaveRecentFilesProjects();

// Puts the path at the head of the recent files, moving it when it is there.
void AddRecentFile(const QString& path);
// The same for the recent projects, by the project file's path.
void AddRecentProject(const QString& path);
