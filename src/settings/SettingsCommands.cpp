#include "settings/SettingsCommands.h"

#include "foundation/MessageHelpers.h"
#include "platform/CommandProcedures.h"
#include "platform/Host.h"
#include "settings/frmColors.h"
#include "settings/frmStyles.h"

// Rows on ShowNotAvailable wait for the dialog named beside them.
void RegisterSettingsCommands() {
    platform::RegisterCommandProcedures({
        {"Editor Settings", ShowNotAvailable},  // frmOptionsEdit, modal, no owner
        {"Preferences", ShowNotAvailable},      // frmOptions, modal, no owner
        {"Color Styles", [] { ShowColorStylesDialog(platform::host().mainWindow()); }},
        {"UI Styles", [] { ShowUIStylesDialog(platform::host().mainWindow()); }},
    });
}
