#pragma once

#include <QString>

// The whole word around the caret of the current view, characters right of
// the caret included; "" when the caret touches no word. gTextRange keeps
// the word's start and end.
QString GetCurrentWord();
