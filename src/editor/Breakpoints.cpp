#include "editor/Breakpoints.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "editor/TargetRange.h"
#include "editor/UndoGroups.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "vocabulary/Markers.h"

#include <algorithm>

namespace {
bool isBlank(int ch) {
    return ch == ' ' || ch == '\t';
}

bool isIdentChar(int ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '_';
}

// The end of a leading "Stop", with the blanks and the ":" after it; start
// itself when the statement there is no Stop.
long stopEnd(long start, long lineEnd) {
    const QByteArray word = SciGetTextRange(gSciWndData, start, std::min(start + 4, lineEnd));
    if (word.toLower() != "stop" || (start + 4 < lineEnd && isIdentChar(SciGetCharAt(start + 4))))
        return start;
    long end = start + 4;
    long p = end;
    while (p < lineEnd && isBlank(SciGetCharAt(p)))
        ++p;
    if (p < lineEnd && SciGetCharAt(p) == ':')
        end = p + 1;
    return end;
}
}

void ToggleBreakPoint(long Line) {
    if (!IsEditorActive())
        return;
    const long line = Line == -1 ? SciLineFromPosition(SciGetCurrentPos()) : Line;
    if (line < 0 || line >= SciGetLineCount())
        return;
    const long start = SciGetLineIndentPosition(line);
    const long lineEnd = SciGetLineEndPosition(line);
    if (SciMarkerGet(line) & markerMask(MARKER_BREAKPOINT)) {
        const long end = stopEnd(start, lineEnd);
        if (end > start)
            ReplaceTargetRange(start, end, QByteArray());
        while (SciMarkerGet(line) & markerMask(MARKER_BREAKPOINT))
            SciMarkerDelete(line, MARKER_BREAKPOINT);
        return;
    }
    if (lineEnd == SciPositionFromLine(line))
        return;
    SciBeginUndoAction();
    SciInsertText(start, start == lineEnd ? "Stop" : "Stop :");
    SciEndUndoAction();
    SciMarkerAdd(line, MARKER_BREAKPOINT);
}
