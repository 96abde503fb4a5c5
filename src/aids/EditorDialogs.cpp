#include "aids/EditorDialogs.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"

QWidget* DialogOwner() {
    return gActiveDoc ? gActiveDoc->window() : nullptr;
}

void FocusEditor() {
    if (IsEditorActive())
        SciGrabFocus();
}
