#pragma once

#include <QString>

// The colour styles of the program folder's Styles folder, one
// NAME.style file each (settings/StyleFile), and the current one:
// gColorStyle with gStyleDescription.

QString StyleFolder();
QString StylePath(const QString& styleName);
// The font file that start-up adds and shutdown removes.
QString StyleFontPath();

// A name that stays inside the Styles folder: no "/" or "\", not "." or "..".
bool IsStyleName(const QString& styleName);

// Makes the style current and returns its name; does not touch any editor.
// A missing (or refused) style says so and falls back to "Default"; when it
// was SciStyleName, SciStyleName becomes "Default" in the store too. A
// damaged style or one of another version says so and falls back to
// "Default" too, but only in memory, so that a repaired file is used at the
// next start. The record changes only once a whole file of version 1 was
// read. "" when not even "Default" loads: the record stays as it was.
QString LoadStyle(const QString& styleName);

// Writes gColorStyle with the description as the named style, replacing
// the file whole. False, logged and the old file whole, when it cannot be
// written or the name is refused.
bool SaveStyle(const QString& styleName, const QString& description);
// The same to any path.
bool SaveStyleTo(const QString& path, const QString& description);
