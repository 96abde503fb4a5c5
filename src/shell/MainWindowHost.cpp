#include "shell/MainWindowHost.h"

#include "explorer/CodeExplorer.h"

void MainWindowHost::refreshCodeExplorer() {
    frmList::PuniLista();
}

void MainWindowHost::invalidateCodeExplorer() {
    frmList::ForgetFills();
}
