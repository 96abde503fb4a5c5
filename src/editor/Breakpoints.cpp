#include "editor/Breakpoints.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "editor/TargetRange.h"
#include "editor/UndoGroups.h"
#include "foundation/errors/ErrorLog.h"
#include "vocabulary/Markers.h"

namespace {

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

bool isLineEnd(char ch) {
    return ch == '\r' || ch == '\n';
}

void removeStop(long line, const QByteArray& text, long first) {
    if (text.mid(first, 4).toUpper() != "STOP")
        return;
    long end = first + 4;
    while (end < text.size() && isBlank(text.at(end)))
        ++end;
    if (end < text.size() && text.at(end) == ':')
        ++end;
    const long start = SciPositionFromLine(line);
    ReplaceTargetRange(start + first, start + end, QByteArray());
    SciMarkerDelete(line, MARKER_BREAKPOINT);
}

void insertStop(long line, const QByteArray& text, long first) {
    const bool nothingElse = first >= text.size() || isLineEnd(text.at(first)) || isBlank(text.at(first));
    const long start = SciPositionFromLine(line);
    {
        UndoActionScope group;
        ReplaceTargetRange(start, start, nothingElse ? "Stop" : "Stop :");
    }
    SciMarkerAdd(line, MARKER_BREAKPOINT);
}

}

void ToggleBreakPoint(long Line) {
    try {
        if (!IsEditorActive())
            return;
        const long line = Line == -1 ? SciLineFromPosition(SciGetCurrentPos()) : Line;
        if (line < 0 || line >= SciGetLineCount())
            return;
        const QByteArray text = SciGetLineText(line);
        if (text.isEmpty())
            return;
        long first = 0;
        while (first < text.size() - 1 && isBlank(text.at(first)))
            ++first;
        if (SciMarkerGet(line) & markerMask(MARKER_BREAKPOINT))
            removeStop(line, text, first);
        else
            insertStop(line, text, first);
    } catch (...) {
        SetErrorLog(QStringLiteral("ToggleBreakPoint"), QStringLiteral("Mod_MenuCommands"));
    }
}
