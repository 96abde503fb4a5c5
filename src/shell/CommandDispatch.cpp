#include "shell/frmMain.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/CommandProcedures.h"
#include "shell/CommandKeys.h"

namespace {

bool actsOnEditor(const QString& category) {
    return category == QLatin1String("SciFocus") || category == QLatin1String("Sci");
}

}

void frmMain::DS_CommandClick(dock::Command& command) {
    try {
        if (actsOnEditor(command.category()) && !IsEditorActive())
            return;
        const CommandKey* key = FindCommandKey(command.key());
        const platform::CommandRow* procedure = key ? platform::FindCommandProcedure(command.key()) : nullptr;
        if (!procedure)
            return;
        platform::CommandClick click{command.key(), std::nullopt};
        if (const std::optional<dock::ListItemData> entry = command.clickedItem())
            click.entry = platform::CommandListItem{entry->caption, entry->key};
        if (key->cancelsCompletion)
            SciAutoCCancel();
        procedure->run(click);
    } catch (...) {
        SetErrorLog(QStringLiteral("DS_CommandClick"), QStringLiteral("frmMain"));
    }
}

void frmMain::CommandClick(dock::Command& command) {
    DS_CommandClick(command);
}
