#include "editor/BookmarkSteps.h"

#include "editor/CurrentView.h"
#include "editor/DocumentWindows.h"
#include "editor/Navigation.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/Host.h"
#include "vocabulary/Markers.h"
#include "vocabulary/SettingsValues.h"

namespace {

using S = QsciScintillaBase;

enum class Direction { Next, Previous };

long bookmarkFrom(const SciHandle& view, long line, Direction direction) {
    const unsigned message = direction == Direction::Next ? S::SCI_MARKERNEXT : S::SCI_MARKERPREVIOUS;
    return long(SciDirect(view, message, uptr_t(line), markerMask(MARKER_BOOKMARK)));
}

void stepToBookmark(Direction direction) {
    if (!IsEditorActive())
        return;
    platform::RedrawLock frozen;
    const long caretLine = SciLineFromPosition(SciGetCurrentPos());
    const long here = bookmarkFrom(gSciWndData, direction == Direction::Next ? caretLine + 1 : caretLine - 1, direction);
    if (here >= 0) {
        GotoLineShow(here);
        return;
    }
    if (BookMarksSingleFileBased == 1)
        return;
    for (frmDoc* doc : OtherDocumentsInOrder()) {
        const SciHandle& view = doc->SciEdi_WndData;
        const long from = direction == Direction::Next ? 0 : long(SciDirect(view, S::SCI_GETLINECOUNT)) - 1;
        const long found = bookmarkFrom(view, from, direction);
        if (found >= 0 && ActivateDocumentWindow(*doc)) {
            GotoLineShow(found);
            return;
        }
    }
}

}

void GotoNextBookmark() {
    try {
        stepToBookmark(Direction::Next);
    } catch (...) {
        SetErrorLog(QStringLiteral("GotoNextBookmark"), QStringLiteral("Mod_SciFun"));
    }
}

void GotoPrevBookmark() {
    try {
        stepToBookmark(Direction::Previous);
    } catch (...) {
        SetErrorLog(QStringLiteral("GotoPrevBookmark"), QStringLiteral("Mod_SciFun"));
    }
}

void ClearAllBookmarks() {
    try {
        platform::RedrawLock frozen;
        if (IsEditorActive())
            SciMarkerDeleteAll(MARKER_BOOKMARK);
        for (frmDoc* doc : OtherDocumentsInOrder())
            SciDirect(doc->SciEdi_WndData, S::SCI_MARKERDELETEALL, MARKER_BOOKMARK);
    } catch (...) {
        SetErrorLog(QStringLiteral("ClearAllBookmarks"), QStringLiteral("Mod_SciFun"));
    }
}
