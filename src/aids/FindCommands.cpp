#include "aids/FindCommands.h"

#include "aids/EditorDialogs.h"
#include "aids/FindDialog.h"

#include <QComboBox>

namespace {

void showAndStart(bool replace) {
    FrmFind& dialog = frmFind::Instance();
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    dialog.StartFind(replace);
}

}

void ShowFind() {
    showAndStart(false);
}

void ShowReplace() {
    showAndStart(true);
}

void FindNextCommand() {
    FrmFind& dialog = frmFind::Instance();
    if (dialog.cboFind->currentText().isEmpty())
        return ShowFind();
    dialog.cmdFind_Click();
    FocusEditor();
}

void FindPreviousCommand() {
    FrmFind& dialog = frmFind::Instance();
    if (dialog.cboFind->currentText().isEmpty())
        return ShowFind();
    dialog.cmdFindPrev_Click();
    FocusEditor();
}
