#include "shell/ToggleDockWindow.h"

#include "platform/dock/DockWindow.h"
#include "shell/frmMain.h"

void ToggleDockWindow(const QString& key) {
    frmMain* main = MainWindow();
    if (!main)
        return;
    dock::DockWindow& window = main->DS->dockWindow(key);
    if (window.isVisible()) {
        window.hide();
        return;
    }
    window.show();
    window.raise();
    window.activateWindow();
}
