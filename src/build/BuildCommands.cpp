#include "build/BuildCommands.h"

#include "build/Compile.h"
#include "build/FrmExTools.h"
#include "build/FrmUserlibs.h"
#include "build/RunExternalTool.h"
#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"
#include "platform/CommandProcedures.h"
#include "platform/Host.h"

namespace {

void runClickedTool(const platform::CommandClick& click) {
    if (click.entry)
        RunExternalTool(click.entry->caption);
}

}

void RegisterBuildCommands() {
    platform::RegisterCommandProcedures({
        {"Check For Errors", [] { if (gActiveDoc) CheckForErrors(gActiveDoc->FullFilename); }},
        {"External Tools", [] { ShowExToolsDialog(platform::host().mainWindow()); }},
        {"MRUExternalTools", runClickedTool},
        {"Edit Userlibs", [] { ShowUserlibsDialog(platform::host().mainWindow()); }},
    });
}
