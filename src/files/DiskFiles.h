#pragma once

#include <QString>

// Small file operations of the project manager and the file explorer. Each
// tells the user what went wrong and returns false.

// Creates an empty file; an existing file is left as it is (true).
bool CreateEmptyFile(const QString& path);
// Renames the file at path to newName in the same folder. Never replaces a
// file, and refuses a name that holds "/".
bool RenameDiskFile(const QString& path, const QString& newName);
