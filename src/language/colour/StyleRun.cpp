#include "language/colour/StyleRun.h"

#include "editor/SciWrappers.h"

#include <algorithm>

void StyleRun(long position, long length, int style) {
    if (position < 0 || length <= 0)
        return;
    const long line = SciLineFromPosition(position);
    const long lineEnd = line + 1 < SciGetLineCount() ? SciPositionFromLine(line + 1) : SciGetLength();
    const long end = std::min(position + length, lineEnd);
    if (end <= position)
        return;
    SciStartStyling(position, 255);
    SciSetStyling(end - position, style);
}
