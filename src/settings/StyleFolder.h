#pragma once

#include <QString>
#include <QStringList>

// The styles that the program folder's "Styles" folder holds, by name.

// Every style, sorted by name without regard to case.
QStringList StyleNames();

// The style already named so in any letter case; "" when there is none.
QString ExistingStyleName(const QString& name);
