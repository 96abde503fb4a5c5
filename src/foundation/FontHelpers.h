#pragma once

#include <QString>

// Makes the fonts of a font file available to Korvo's own windows: true when
// at least one font was added.
bool AddFont(const QString& path);

// Undoes every AddFont of the file.
void RemoveFont(const QString& path);
