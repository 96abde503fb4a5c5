#pragma once

#include <QString>

// Colour style files are not read yet: the built-in colour set stays, and
// the name asked for is the name loaded.
QString LoadStyle(const QString& styleName);

// The current style's description.
extern QString gStyleDescription;

// Not written yet: false.
bool SaveStyle(const QString& styleName, const QString& description);
