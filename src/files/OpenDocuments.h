#pragma once

#include <QString>

class ClsProject;
class frmDoc;

// Untitled documents made so far; numbers "New 1", "New 2" and never goes back.
extern int gNewFileCounter;

// Opens a path by itself: no path asks for files; a project or workspace
// goes to its loader; another non-source file to the desktop's default
// application, or into an editor tab when the desktop could run it; an
// open source file is activated (or reloaded, when changed and the user
// agrees); otherwise it becomes a new document window of a single-file
// project, current, parsed, its parameter block applied. attachToExisting
// reuses the document window keyed by the path; snippet marks a snippet
// file. True only when a new document window was made.
bool OpenFile(const QString& path = QString(), bool attachToExisting = false, bool snippet = false);

// Opens a member file of the project (gActiveProject in the second form)
// into a new document window of that project. False, silently, when the
// file cannot be read.
bool OpenProjectsFile(ClsProject& project, const QString& path, bool attachToExisting);
bool OpenProjectsFile(const QString& path, bool attachToExisting);

// Closes the document's window and opens its file again from disk, in a new
// window of the same project; its changes in Korvo are lost.
void ReloadDocument(frmDoc* doc);

// A new untitled document of its own project. Its window's key and its
// FullFilename are a fresh "{" + UUID + "}", which marks it untitled.
void NewFile();

// The document leaves its project (and a single file's project leaves the
// open projects), stops being active and goes. Its window is the caller's.
void UnloadDocument(frmDoc* doc);

// The document a window (by key or ID) hosts; null for none or another form.
frmDoc* DocumentOfWindow(const QString& keyOrId);
