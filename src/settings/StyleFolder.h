#pragma once

#include <QString>
#include <QStringList>

// The style files of the program folder's "Styles" folder, by style name.

QString StyleFilePath(const QString& name);

// Every style, sorted by name without regard to case.
QStringList StyleNames();

// A name the folder can hold as a style of its own: no "/" or "\", not
// "." or "..", not empty.
bool IsStyleNameAllowed(const QString& name);

// The style already named so in any letter case; "" when there is none.
QString ExistingStyleName(const QString& name);
