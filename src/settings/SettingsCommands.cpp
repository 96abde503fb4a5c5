#include "settings/SettingsCommands.h"

#include "foundation/MessageHelpers.h"
#include "platform/CommandProcedures.h"

// Rows on ShowNotAvailable wait for the dialog named beside them.
void RegisterSettingsCommands() {
    platform::RegisterCommandProcedures({
        {"Editor Settings", ShowNotAvailable},  // frmOptionsEdit, modal, no owner
        {"Preferences", ShowNotAvailable},      // frmOptions, modal, no owner
        {"Color Styles", ShowNotAvailable},     // frmColors, modeless, owned by the main window
        {"UI Styles", ShowNotAvailable},        // frmStyles, modal, owned by the main window
    });
}
