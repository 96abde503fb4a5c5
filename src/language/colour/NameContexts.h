#pragma once

#include <QString>

// The keywords after which the next word names a declaration of a kind,
// spelled as the keyword table spells them: both colouring passes read them.

// New, Each, Last and First: a type follows.
bool TypeFollows(const QString& keyword);
// Goto, Gosub and Restore: a label follows.
bool LabelFollows(const QString& keyword);
