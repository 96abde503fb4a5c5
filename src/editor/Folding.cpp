#include "editor/Folding.h"

#include "editor/CurrentView.h"
#include "editor/frmDoc.h"
#include "editor/SciWrappers.h"
#include "vocabulary/SettingsValues.h"

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
