#include "aids/EditorDialogs.h"

#include "editor/CurrentView.h"
#include "editor/frmDoc.h"

QWidget* DialogOwner() {
    return gActiveDoc ? gActiveDoc->window() : nullptr;
}
