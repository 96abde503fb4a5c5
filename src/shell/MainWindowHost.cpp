#include "shell/MainWindowHost.h"

#include "explorer/CodeExplorer.h"
#include "shell/DocumentActivation.h"

void MainWindowHost::refreshCodeExplorer() {
    frmList::PuniLista();
}

void MainWindowHost::invalidateCodeExplorer() {
    frmList::ForgetFills();
}

QString MainWindowHost::previousDocumentWindowKey() const {
    return gPreviousDocWindowKey;
}

void MainWindowHost::setPreviousDocumentWindowKey(const QString& key) {
    gPreviousDocWindowKey = key;
}
