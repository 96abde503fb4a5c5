#include "aids/ClipRing.h"

#include "aids/EditorDialogs.h"
#include "aids/FrmClipRing.h"
#include "editor/CurrentView.h"
#include "editor/DocumentLineEnds.h"
#include "editor/Navigation.h"
#include "editor/SciWrappers.h"
#include "vocabulary/SettingsValues.h"

QList<QByteArray> gClipRingTexts;
QList<int> gClipRingLineCounts;
int gClipRingCycleIndex = 0;
long gClipRingAnchor = 0;

void ClearClipRing() {
    gClipRingTexts.clear();
    gClipRingLineCounts.clear();
}

QByteArray ClipRingEntryFromNewest(int i) {
    return gClipRingTexts.value(gClipRingTexts.size() - i);
}

void CopyPrivate() {
    if (!IsEditorActive())
        return;
    const long start = SciGetSelectionStart();
    const long end = SciGetSelectionEnd();
    if (start >= end)
        return;
    gClipRingLineCounts.append(int(SciLineFromPosition(end) - SciLineFromPosition(start) + 1));
    gClipRingTexts.append(SciGetSelText().left(kClipRingEntryMost));
    if (gClipRingTexts.size() > gClipRingMaxItems) {
        gClipRingTexts.removeFirst();
        gClipRingLineCounts.removeFirst();
    }
    SciCopy();
}

void CyclePrivate() {
    if (!IsEditorActive())
        return;
    long place = SciGetCurrentPos();
    if (place == gClipRingAnchor) {
        if (++gClipRingCycleIndex > gClipRingTexts.size())
            gClipRingCycleIndex = 1;
    } else {
        if (SciGetSelectionStart() < SciGetSelectionEnd())
            place = SciGetSelectionStart();
        gClipRingCycleIndex = 1;
        gClipRingAnchor = place;
    }
    if (gClipRingTexts.isEmpty())
        return;
    SciReplaceSel(InDocumentLineEnds(ClipRingEntryFromNewest(gClipRingCycleIndex)));
    SciSetSel(SciGetCurrentPos(), place);
}

void PastePrivate() {
    if (!IsEditorActive())
        return;
    ShowClipRing(DialogOwner());
    FocusEditor();
}
