#include "shell/MainWindowHost.h"

#include "explorer/CodeExplorer.h"
#include "files/OpenDocuments.h"
#include "shell/DocumentActivation.h"
#include "shell/TabCommands.h"
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

QString MainWindowHost::previousDocumentWindowKey() const {
    return gPreviousDocWindowKey;
}

void MainWindowHost::setPreviousDocumentWindowKey(const QString& key) {
    gPreviousDocWindowKey = key;
}

bool MainWindowHost::closeAllDocuments() {
    return CloseAllFiles();
}

// Runs what follows every other load of a layout.
bool MainWindowHost::loadLayoutText(const QString& text) {
    frmMain* main = MainWindow();
    if (!main || !main->DS->loadLayoutText(text))
        return false;
    main->AdditionalUISetup();
    main->AddDockForms(false);
    return true;
}
