#include "editor/Folding.h"

#include "editor/CurrentView.h"
#include "editor/Markers.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "foundation/errors/ErrorLog.h"
#include "language/parser/FoldIndent.h"
#include "settings/SettingsValues.h"

namespace {

constexpr long kFunctionMask = 1L << MARKER_FUNCTION;
constexpr long kFoldStartMask = 1L << MARKER_FOLDSTART;
constexpr long kFoldEndMask = 1L << MARKER_FOLDEND;
constexpr long kMainProgramMask = 1L << MARKER_MAINPROGRAM;

void markMainProgram(long line, long markers, bool outside) {
    const bool marked = markers & kMainProgramMask;
    if (outside && !marked)
        SciMarkerAdd(line, MARKER_MAINPROGRAM);
    else if (!outside && marked)
        SciMarkerDelete(line, MARKER_MAINPROGRAM);
}

}

void CheckFold(int Line, int Level) {
    try {
        long next = SciMarkerNext(Line + 1, kFunctionMask);
        if (next < 0)
            next = SciGetLineCount();
        const bool outside = InMainProgram();
        const int floor = outside ? kFoldBase : kFoldBase + 1;
        int level = Level;
        for (long i = Line + 1; i < next; ++i) {
            SciSetFoldLevel(i, level);
            const long markers = SciMarkerGet(i);
            if (markers & kFoldStartMask) {
                SciSetFoldLevel(i, level | kFoldHeaderFlag);
                ++level;
            }
            if (markers & kFoldEndMask) {
                SciSetFoldLevel(i, level);
                if (level > floor)
                    --level;
            }
            markMainProgram(i, markers, outside);
        }
        const long markers = SciMarkerGet(next);
        if (markers & kFoldEndMask)
            markMainProgram(next, markers, outside);
    } catch (...) {
        SetErrorLog(QStringLiteral("CheckFold"), QStringLiteral("Mod_Folding"));
    }
}

void ToggleFold(int Line) {
    SciToggleFold(Line);
    const long caretLine = SciLineFromPosition(SciGetCurrentPos());
    if (!SciGetLineVisible(caretLine)) {
        const long header = SciGetFoldParent(caretLine);
        if (header >= 0)
            SciGotoPos(SciPositionFromLine(header));
    }
    if (FileDirtyOnBookmarks && gActiveDoc)
        gActiveDoc->setDirty(true);
}
