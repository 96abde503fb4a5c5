#include "aids/FindCommands.h"

#include "aids/EditorDialogs.h"
#include "aids/FindDialog.h"
#include "editor/Navigation.h"

#include <QComboBox>

namespace {

void showAndStart(bool replace) {
    FrmFind& dialog = frmFind::Instance();
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    dialog.StartFind(replace);
}

// With an empty find box the search is left to the dialog.
void searchOrShow(void (FrmFind::*search)()) {
    FrmFind& dialog = frmFind::Instance();
    if (dialog.cboFind->currentText().isEmpty())
        return showAndStart(false);
    (dialog.*search)();
    FocusEditor();
}

}

void ShowFind() {
    showAndStart(false);
}

void ShowReplace() {
    showAndStart(true);
}

void FindNextCommand() {
    searchOrShow(&FrmFind::cmdFind_Click);
}

void FindPreviousCommand() {
    searchOrShow(&FrmFind::cmdFindPrev_Click);
}
