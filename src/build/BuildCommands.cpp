#include "build/BuildCommands.h"

#include "build/FrmExTools.h"
#include "build/FrmUserlibs.h"
#include "build/RunExternalTool.h"
#include "foundation/MessageHelpers.h"
#include "platform/CommandProcedures.h"
#include "platform/dock/DockLayer.h"
#include "platform/dock/HostLayer.h"

namespace {

QWidget* mainWindow() {
    dock::DockLayer* layer = dock::hostLayer();
    return layer ? &layer->window() : nullptr;
}

void runClickedTool(const platform::CommandClick& click) {
    if (click.entry)
        RunExternalTool(click.entry->caption);
}

}

// Rows on ShowNotAvailable wait for the procedure named beside them.
void RegisterBuildCommands() {
    platform::RegisterCommandProcedures({
        {"Check For Errors", ShowNotAvailable},  // CheckForErrors with gActiveDoc->FullFilename
        {"External Tools", [] { ShowExToolsDialog(mainWindow()); }},
        {"MRUExternalTools", runClickedTool},
        {"Edit Userlibs", [] { ShowUserlibsDialog(mainWindow()); }},
    });
}
