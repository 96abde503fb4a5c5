#pragma once

#include <QString>

// Layout slot 0 is restored at every start and saved at every exit; each
// slot pairs a layout file in the program folder's Layouts folder with a
// settings section of the same name.
QString LayoutSectionName(int slot);
QString LayoutFilePath(int slot);
// The default layout: the program folder's copy, else the built-in one.
QString DefaultLayoutPath();
QString BuiltInLayoutPath();
