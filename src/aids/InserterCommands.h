#pragma once

#include <QList>
#include <QString>

class ClsProject;

// The commands "Insert Color", "Insert FilePath", "Insert Filename" and
// "Insert Scancode": each puts its text in place of the active document's
// selection and gives the editor the focus back.
void InsertColor();
void InsertFilePath();
void InsertFilename();
void InsertScancode();

// The colour chooser's 16 custom colours (0x00BBGGRR): black at start, kept
// for the run, never saved.
extern QList<unsigned> gCustomColors;

// The folder a chosen file's path is made relative to: a single file's own
// folder, else the project's.
QString FilePathBase(const ClsProject& project);
// The chosen file's path relative to the base, with "/", as a quoted Blitz
// string: "./gfx/ship.png", "../media/a.wav"; the full path when no
// relative path exists.
QString QuotedRelativePath(const QString& baseFolder, const QString& chosenFile);
