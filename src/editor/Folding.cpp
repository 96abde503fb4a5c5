#include "editor/Folding.h"

#include "editor/CurrentView.h"
#include "editor/frmDoc.h"
#include "editor/SciWrappers.h"
#include "editor/WaitCursor.h"
#include "foundation/errors/ErrorLog.h"
#include "vocabulary/SettingsValues.h"

namespace {

void moveCaretOutOfFolds() {
    const long caretLine = long(SciLineFromPosition(SciGetCurrentPos()));
    if (SciGetLineVisible(caretLine))
        return;
    const long header = long(SciGetFoldParent(caretLine));
    if (header >= 0)
        SciGotoPos(SciPositionFromLine(header));
}

void markFoldChange() {
    if (FileDirtyOnBookmarks && gActiveDoc)
        gActiveDoc->setDirty(true);
}

// Walks the fold headers from the top, toggling each matching header whose
// next line's visibility is the one given.
void toggleHeaders(long mask, bool whenNextLineVisible) {
    for (long header = long(SciMarkerNext(0, kFoldAllHeaders)); header >= 0;
         header = long(SciMarkerNext(header + 1, kFoldAllHeaders))) {
        if ((SciMarkerGet(header) & mask) && bool(SciGetLineVisible(header + 1)) == whenNextLineVisible)
            SciToggleFold(header);
    }
}

}

void ToggleFold(int Line) {
    SciToggleFold(Line);
    moveCaretOutOfFolds();
    markFoldChange();
}

void FoldEverything(long Mask) {
    if (!ShowFoldMargin)
        return;
    try {
        WaitCursorScope wait;
        toggleHeaders(Mask, true);
        moveCaretOutOfFolds();
        markFoldChange();
    } catch (...) {
        SetErrorLog(QStringLiteral("FoldEverything"), QStringLiteral("Mod_MenuCommands"));
    }
}

void UnFoldEverything(long Mask) {
    if (!ShowFoldMargin)
        return;
    try {
        WaitCursorScope wait;
        toggleHeaders(Mask, false);
        markFoldChange();
    } catch (...) {
        SetErrorLog(QStringLiteral("UnFoldEverything"), QStringLiteral("Mod_MenuCommands"));
    }
}
