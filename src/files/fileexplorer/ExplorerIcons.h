#pragma once

#include <QString>

class ImageList;

// The file explorer's icon cache: one image per extension key, shared by
// every file with that extension, and one per distinct look for ".EXE" and
// ".ICO" files, whose icons differ from file to file.

// The cache position of the icon of the file name in folder; 0 when the
// desktop has none for it.
int FileIconIndex(const QString& folder, const QString& name, ImageList& images);
// The same for the file at path, whose type key (IconKey of its name) is given.
int FileIconIndexAt(const QString& path, const QString& typeKey, ImageList& images);

// Past 800 images the cache is cut back to its first 499.
void TrimIconCache(ImageList& images);
