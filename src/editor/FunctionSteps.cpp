#include "editor/FunctionSteps.h"

#include "editor/SciWrappers.h"
#include "vocabulary/Markers.h"

namespace {

bool isFunctionEnd(long line) {
    return SciMarkerGet(line) & markerMask(MARKER_FOLDEND);
}

void showLine(long line) {
    SciEnsureVisibleEnforcePolicy(line);
    SciGotoLine(line);
}

}

void NextFunction() {
    long line = long(SciMarkerNext(SciLineFromPosition(SciGetCurrentPos()) + 1, markerMask(MARKER_FUNCTION)));
    while (line >= 0 && isFunctionEnd(line))
        line = long(SciMarkerNext(line + 1, markerMask(MARKER_FUNCTION)));
    if (line >= 0)
        showLine(line);
}

void PreviousFunction() {
    const long caretLine = long(SciLineFromPosition(SciGetCurrentPos()));
    long line = caretLine > 0 ? long(SciMarkerPrevious(caretLine - 1, markerMask(MARKER_FUNCTION))) : -1;
    while (line >= 0 && isFunctionEnd(line))
        line = line > 0 ? long(SciMarkerPrevious(line - 1, markerMask(MARKER_FUNCTION))) : -1;
    if (line >= 0)
        showLine(line);
}
