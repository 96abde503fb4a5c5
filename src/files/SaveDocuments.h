#pragma once

#include <QString>

class frmDoc;

// Writes the document's text and its editor-parameter block (none for a
// snippet) to its file, after a backup when it changed; an untitled
// document goes to SaveDocumentAs. Every write replaces the file whole or
// not at all: a failure tells the user and leaves the old bytes.
bool SaveDocument(frmDoc* doc);
// Saves every changed document that has a name; the active one stays active.
bool SaveAllFiles();
// Asks for a new path (".bb" added to a name without an extension), writes
// there and carries the new name into the window, the project and the code
// model. Null takes the active document.
bool SaveDocumentAs(frmDoc* doc);
// The current view's text alone, for the compiler; false on failure, silently.
bool SaveTextToFile(const QString& path);
