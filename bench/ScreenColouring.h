#pragma once

#include <QString>
#include <QString>

// Prints how long a screen of 60 lines takes to colour at the start and at
// the end of the text, opened and parsed as a file alone: the light pass
// over the screen as the style-needed loop runs it, and the full pass of
// each of its lines with the caret there. Neither may grow with the position.
void PrintScreenColouringTimes(const QString& path);
