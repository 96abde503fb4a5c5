#include "editor/PositionHistory.h"

#include "editor/CurrentView.h"
#include "editor/DocumentWindows.h"
#include "editor/Navigation.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "foundation/errors/ErrorLog.h"
#include "vocabulary/Markers.h"
#include "vocabulary/SettingsValues.h"

#include <algorithm>
#include <cstdlib>

std::array<CodeBrowserEntry, kCodeBrowserSlots + 1> gCodeBrowser;
int gCodeBrowserIndex = 0;

namespace {

using S = QsciScintillaBase;

int nextSlot(int slot) {
    return slot % kCodeBrowserSlots + 1;
}

int previousSlot(int slot) {
    return slot <= 1 ? kCodeBrowserSlots : slot - 1;
}

// The entry's line in its own document; -1 when its document closed or its
// line, and the marker with it, was deleted.
long entryLine(const CodeBrowserEntry& entry) {
    if (entry.MarkerHandle == 0 || !entry.View.isAlive())
        return -1;
    return SciDirect(entry.View, S::SCI_MARKERLINEFROMHANDLE, uptr_t(entry.MarkerHandle));
}

bool inActiveDocument(const CodeBrowserEntry& entry) {
    return IsEditorActive() && entry.View == gSciWndData;
}

// The position the entry stands for, in the current view (its document's): the start of the marker's line
// plus the offset, which later edits near it may have carried onto another line.
long entryPosition(const CodeBrowserEntry& entry, long line) {
    return std::min(SciPositionFromLine(line) + entry.Offset, long(SciGetLength()));
}

void freeSlot(CodeBrowserEntry& entry) {
    if (entry.MarkerHandle != 0)
        SciDirect(entry.View, S::SCI_MARKERDELETEHANDLE, uptr_t(entry.MarkerHandle));
    entry = CodeBrowserEntry();
}

// Goes to the entry, in its own document; false when it cannot be reached.
bool showEntry(int slot) {
    const CodeBrowserEntry& entry = gCodeBrowser[slot];
    const long line = entryLine(entry);
    frmDoc* doc = DocumentOfView(entry.View);
    if (line < 0 || !doc)
        return false;
    if (!inActiveDocument(entry) && !ActivateDocumentWindow(*doc))
        return false;
    gCodeBrowserIndex = slot;
    GotoPosShow(entryPosition(entry, line));
    return true;
}

}

void CheckCBrowser(long Pos, long Line) {
    try {
        if (!IsEditorActive() || Line < 0 || Line >= SciGetLineCount())
            return;
        int slot = gCodeBrowserIndex;
        CodeBrowserEntry& current = gCodeBrowser[slot];
        const long currentLine = entryLine(current);
        if (slot > 0 && currentLine >= 0 && inActiveDocument(current)) {
            const long start = SciPositionFromLine(currentLine);
            const long recordedLine = SciLineFromPosition(start + current.Offset);
            if (std::labs(Line - recordedLine) <= CBrowserMarkAsNew) {
                current.Offset = Pos - start;
                return;
            }
        }
        const long sequence = current.Sequence;
        slot = nextSlot(slot);
        gCodeBrowserIndex = slot;
        for (int ahead = slot, n = 0; n < kCodeBrowserSlots && gCodeBrowser[ahead].Sequence > sequence; ++n) {
            freeSlot(gCodeBrowser[ahead]);
            ahead = nextSlot(ahead);
        }
        freeSlot(gCodeBrowser[slot]);
        CodeBrowserEntry& entry = gCodeBrowser[slot];
        entry.MarkerHandle = int(SciMarkerAdd(Line, MARKER_POSITION));
        entry.View = gSciWndData;
        entry.Sequence = sequence + 1;
        entry.Offset = Pos - SciPositionFromLine(Line);
    } catch (...) {
        SetErrorLog(QStringLiteral("CheckCBrowser"), QStringLiteral("Mod_SciFun"));
    }
}

void GotoPreviousPosition() {
    try {
        const int first = gCodeBrowserIndex;
        const long newest = gCodeBrowser[first].Sequence;
        int slot = first;
        const CodeBrowserEntry& current = gCodeBrowser[slot];
        const long currentLine = entryLine(current);
        if (currentLine < 0 || (inActiveDocument(current) && SciLineFromPosition(SciGetCurrentPos()) ==
                                                                  SciLineFromPosition(entryPosition(current, currentLine))))
            slot = previousSlot(slot);
        for (int n = 0; n < kCodeBrowserSlots; ++n, slot = previousSlot(slot)) {
            const long sequence = gCodeBrowser[slot].Sequence;
            if (sequence == 0 || sequence > newest)
                break;
            if (showEntry(slot))
                return;
        }
        gCodeBrowserIndex = first;
    } catch (...) {
        SetErrorLog(QStringLiteral("GotoPreviousPosition"), QStringLiteral("Mod_SciFun"));
    }
}

void GotoNextPosition() {
    try {
        const int first = gCodeBrowserIndex;
        const long newest = gCodeBrowser[first].Sequence;
        int slot = first;
        for (int n = 0; n < kCodeBrowserSlots; ++n) {
            slot = nextSlot(slot);
            if (gCodeBrowser[slot].Sequence <= newest)
                break;
            if (showEntry(slot))
                return;
        }
        gCodeBrowserIndex = first;
    } catch (...) {
        SetErrorLog(QStringLiteral("GotoNextPosition"), QStringLiteral("Mod_SciFun"));
    }
}

void ClearCodeBrowser() {
    for (CodeBrowserEntry& entry : gCodeBrowser)
        freeSlot(entry);
    gCodeBrowserIndex = 0;
}
