#pragma once

#include <QString>

class ClsProject;

// Opens the project file at path with all its member files; an empty path
// asks for one. windowsExist: every document is closed and the restored
// layout holds the members' windows (a workspace loads), so each member
// goes into the window keyed by its path and no member is looked for
// elsewhere. True when the project was added and its files opened.
bool LoadProject(const QString& path, bool windowsExist = false);

// Saves every changed project as closing it does, before a road that
// closes them all (Close All Files, a workspace's load, shutdown). False
// when one could not be written: the road then stops with nothing closed.
bool SaveChangedProjects();

// Saves the project when it changed, closes its documents (each may ask to
// be saved) and lets it go. A failed save or a cancelled save prompt stops
// it there: the project stays open with the documents still open. True
// when it went. The caller holds the project.
bool CloseProject(ClsProject& project);
