#pragma once

#include "editor/SciWrappers.h"

// Gives `length` characters from `position` of the current view one style.
inline void StyleRun(long position, long length, int style) {
    SciStartStyling(position, 255);
    SciSetStyling(length, style);
}
