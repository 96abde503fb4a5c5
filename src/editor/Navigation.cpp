#include "editor/Navigation.h"

#include "editor/CurrentView.h"
#include "editor/DocumentWindows.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "platform/Host.h"
#include "vocabulary/SettingsValues.h"

void GotoLineShow(long Line) {
    if (!IsEditorActive())
        return;
    if (GotoPositionsAtTop)
        SciGotoLine(SciGetLineCount());
    SciEnsureVisible(Line);
    SciGotoLine(Line);
}

void GotoPosShow(long Pos) {
    if (!IsEditorActive())
        return;
    SciEnsureVisible(SciLineFromPosition(Pos));
    SciGotoPos(Pos);
}

void FocusEditor() {
    if (!IsEditorActive())
        return;
    try {
        ActivateDocumentWindow(*gActiveDoc);
        SciGrabFocus();
    } catch (...) {
    }
}
