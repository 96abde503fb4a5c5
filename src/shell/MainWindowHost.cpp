#include "shell/MainWindowHost.h"

#include "explorer/CodeExplorer.h"
#include "files/CommandLineFiles.h"
#include "shell/frmMain.h"

void MainWindowHost::refreshCodeExplorer() {
    frmList::PuniLista();
}

void MainWindowHost::invalidateCodeExplorer() {
    frmList::ForgetFills();
}

void MainWindowHost::updateSciCommandUI() {
    if (frmMain* main = MainWindow())
        main->UpdateSciCommandUI();
}

void MainWindowHost::openFile(const QString& path) {
    OpenFile(path);
}
