#pragma once

#include "platform/scintilla/SciView.h"

#include <QString>

#include <array>

// The position history ("Code Browser"): a ring of recorded caret
// positions, stepped back and forward like a browser's. Each entry anchors
// its line with a position marker in its own document, so it follows edits
// there; an entry whose document closed or whose line was deleted is passed
// over.

struct CodeBrowserEntry {
    SciHandle View;         // the document's view, which alone can read the marker
    int MarkerHandle = 0;   // 0: a free slot
    long Sequence = 0;      // order of recording; 0: a free slot
    long Offset = 0;        // from the start of the marked line
};

constexpr int kCodeBrowserSlots = 20;
// Slots 1 to 20 form the ring; slot 0 stays empty.
extern std::array<CodeBrowserEntry, kCodeBrowserSlots + 1> gCodeBrowser;
// The current entry's slot; 0 while the history is empty.
extern int gCodeBrowserIndex;

// Records the caret position Pos on line Line of the active document. Near
// the current entry (CBrowserMarkAsNew lines) it only moves that entry;
// otherwise a new entry follows the current one and the entries that were
// ahead of it are dropped.
void CheckCBrowser(long Pos, long Line);

// "Goto Previous Position": back to the current entry, or, with the caret
// already on its line, to the entry before it. "Goto Next Position": to the
// entry after the current one. Either may activate another document.
void GotoPreviousPosition();
void GotoNextPosition();

// Forgets every entry, removing their markers.
void ClearCodeBrowser();
