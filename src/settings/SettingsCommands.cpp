#include "settings/SettingsCommands.h"

#include "foundation/MessageHelpers.h"
#include "platform/CommandProcedures.h"
#include "settings/FrmOptions.h"
#include "settings/FrmOptionsEdit.h"

// Rows on ShowNotAvailable wait for the dialog named beside them.
void RegisterSettingsCommands() {
    platform::RegisterCommandProcedures({
        {"Editor Settings", [] { ShowEditorOptions(platform::host().mainWindow()); }},
        {"Preferences", [] { ShowPreferences(platform::host().mainWindow()); }},
        {"Color Styles", ShowNotAvailable},     // frmColors, modeless, owned by the main window
        {"UI Styles", ShowNotAvailable},        // frmStyles, modal, owned by the main window
    });
}
