#include "build/BuildCommands.h"

#include "build/Compile.h"
#include "build/FrmExTools.h"
#include "build/FrmUserlibs.h"
#include "build/RunExternalTool.h"
#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"
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

void RegisterBuildCommands() {
    platform::RegisterCommandProcedures({
        {"Check For Errors", [] { if (gActiveDoc) CheckForErrors(gActiveDoc->FullFilename); }},
        {"External Tools", [] { ShowExToolsDialog(mainWindow()); }},
        {"MRUExternalTools", runClickedTool},
        {"Edit Userlibs", [] { ShowUserlibsDialog(mainWindow()); }},
    });
}
