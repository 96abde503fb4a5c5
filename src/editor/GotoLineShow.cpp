#include "editor/GotoLineShow.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "vocabulary/SettingsValues.h"

void GotoLineShow(long Line) {
    if (!IsEditorActive())
        return;
    if (GotoPositionsAtTop != 0)
        SciGotoLine(SciGetLineCount());
    SciEnsureVisible(Line);
    SciGotoLine(Line);
}
