#pragma once

#include <QString>
#include <QStringList>

// What the explorer's context menu does to the files and folders it was
// opened on, apart from opening them and the favourites.

// Each path goes to the program the desktop associates with it.
void OpenWithDefaultApplication(const QStringList& paths);
// The folder that holds the first path, in the desktop's file manager.
void OpenContainingFolder(const QString& path);
// The paths, one a line, as text and as a list of file URLs.
void CopyPaths(const QStringList& paths);
// Asks for a new name in the same folder and renames; true when renamed.
bool RenameWithPrompt(const QString& path);
// Asks once, then moves each path to the trash; a path the trash refuses
// stays where it is, with a message. True when the user said Yes.
bool MoveToTrashWithPrompt(const QStringList& paths);
// An information box titled "Properties" for each path: name, folder,
// size in bytes and modified date.
void ShowProperties(const QStringList& paths);
