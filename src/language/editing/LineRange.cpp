#include "language/editing/LineRange.h"

#include "editor/SciWrappers.h"

#include <algorithm>

LineRange WholeLineRange(CollapsedLastLine collapsed) {
    const long selectionEnd = SciGetSelectionEnd();
    LineRange range{SciLineFromPosition(SciGetSelectionStart()), SciLineFromPosition(selectionEnd)};
    if (range.first < range.last && selectionEnd == SciPositionFromLine(range.last))
        --range.last;
    if (!SciGetFoldExpanded(range.last)) {
        if (collapsed == CollapsedLastLine::Exclude)
            --range.last;
        else
            range.last = std::max(range.last, long(SciGetLastChild(range.last, -1)));
    }
    return range;
}
