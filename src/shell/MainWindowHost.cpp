#include "shell/MainWindowHost.h"

#include "explorer/HelpBrowser.h"
#include "explorer/frmList.h"
#include "explorer/frmMainHelp.h"
#include "files/OpenDocuments.h"
#include "shell/DocumentActivation.h"
#include "shell/TabCommands.h"
#include "shell/frmMain.h"
#include "vocabulary/WindowKeys.h"

void MainWindowHost::refreshCodeExplorer() {
    if (frmList* lists = frmList::Instance())
        lists->PuniLista();
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

namespace {

// A restored help window gets the help browser's form back.
void rehostHelpWindow() {
    platform::Host& host = platform::host();
    if (host.documentWindowId(kHelpWindowKey).isEmpty() || host.documentWindow(kHelpWindowKey))
        return;
    host.setDocumentWindowForm(kHelpWindowKey, &LoadHelpForm());
    OpenHelpWindow();
}

}

// Runs what follows every other load of a layout.
bool MainWindowHost::loadLayoutText(const QString& text) {
    frmMain* main = MainWindow();
    if (!main || !main->DS->loadLayoutText(text))
        return false;
    main->AdditionalUISetup();
    main->AddDockForms(false);
    rehostHelpWindow();
    return true;
}
