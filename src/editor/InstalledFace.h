#pragma once

#include <QString>

// The installed font face that shows a style's face name: the name itself
// when a face of that name is installed (added font files included); else
// the face the font matching substitutes for it ("Courier New" may become
// "Liberation Mono"), when that is not just the match of any unknown name;
// else the desktop's fixed-pitch face, so that an unknown name never gives
// proportional code. Resolved once per name.
QString InstalledFace(const QString& faceName);
