#include "aids/EditorDialogs.h"

#include "editor/CurrentView.h"
#include "editor/frmDoc.h"
#include "platform/Host.h"

QWidget* DialogOwner() {
    if (QWidget* main = platform::host().mainWindow())
        return main;
    return gActiveDoc ? gActiveDoc->window() : nullptr;
}
