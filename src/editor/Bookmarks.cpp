#include "editor/Bookmarks.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "vocabulary/Markers.h"
#include "vocabulary/SettingsValues.h"

void ToggleBookmark(long Pos) {
    if (!IsEditorActive())
        return;
    const long line = SciLineFromPosition(Pos == -1 ? SciGetCurrentPos() : Pos);
    if (SciMarkerGet(line) & markerMask(MARKER_BOOKMARK))
        SciMarkerDelete(line, MARKER_BOOKMARK);
    else
        SciMarkerAdd(line, MARKER_BOOKMARK);
    if (FileDirtyOnBookmarks)
        gActiveDoc->setDirty(true);
}
