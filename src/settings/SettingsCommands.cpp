#include "settings/SettingsCommands.h"

#include "platform/CommandProcedures.h"
#include "platform/Host.h"
#include "settings/FrmOptions.h"
#include "settings/FrmOptionsEdit.h"
#include "settings/frmColors.h"
#include "settings/frmStyles.h"

void RegisterSettingsCommands() {
    platform::RegisterCommandProcedures({
        {"Editor Settings", [] { ShowEditorOptions(platform::host().mainWindow()); }},
        {"Preferences", [] { ShowPreferences(platform::host().mainWindow()); }},
        {"Color Styles", [] { ShowColorStylesDialog(platform::host().mainWindow()); }},
        {"UI Styles", [] { ShowUIStylesDialog(platform::host().mainWindow()); }},
    });
}
