#include "shell/ViewCommands.h"

#include "editor/Navigation.h"
#include "editor/CurrentView.h"
#include "editor/frmDoc.h"
#include "language/editing/NotificationHandler.h"
#include "foundation/errors/ErrorLog.h"
#include "language/colour/ColouringFlags.h"
#include "platform/dock/DockLayer.h"
#include "platform/dock/HostLayer.h"
#include "shell/StatusObjects.h"
#include "vocabulary/StyleNumbers.h"

void ToggleDockWindow(const QString& key) {
    dock::DockLayer* layer = dock::hostLayer();
    if (!layer)
        return;
    dock::DockWindow& window = layer->dockWindow(key);
    // A dock behind another one's tab counts as visible to Qt but shows nothing: it is raised.
    if (window.isVisible() && !window.visibleRegion().isEmpty()) {
        window.hide();
        return;
    }
    window.show();
    window.raise();
    if (QWidget* form = window.form())
        form->setFocus();
}

void ToggleStatusBar() {
    dock::DockLayer* layer = dock::hostLayer();
    if (!layer || !gStatusBar)
        return;
    gStatusBar->setVisible(!gStatusBar->visible());
    layer->command(QStringLiteral("StatusBar")).setChecked(gStatusBar->visible() ? 1 : 0);
}

void ChangeStrictMode() {
    try {
        dock::DockLayer* layer = dock::hostLayer();
        if (!layer)
            return;
        dock::Command& strict = layer->command(QStringLiteral("Strict Mode"));
        const bool wasOn = strict.checked() == 1;
        strict.setChecked(wasOn ? 0 : 1);
        gStrictModeStyle = wasOn ? 0 : STYLE_Bad;
        strict.setCaption(wasOn ? QStringLiteral("Strict Off") : QStringLiteral(" Strict On"));
        if (gActiveDoc && gActiveDoc->m_oSubclass) {
            gActiveDoc->m_oSubclass->RestyleOnNextRequest();
            FocusEditor();
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("ChangeStrictMode"), QStringLiteral("Mod_MenuCommands"));
    }
}
