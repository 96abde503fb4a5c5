#include "aids/AidCommands.h"

#include "aids/ClipRing.h"
#include "aids/HotCodeCommands.h"
#include "aids/InserterCommands.h"
#include "aids/frmSnippets.h"
#include "foundation/MessageHelpers.h"
#include "platform/CommandProcedures.h"

namespace {

void RunSnippetCommand(const platform::CommandClick& click) {
    if (frmSnippets* panel = SnippetsPanel())
        panel->DoMenuCommand(click.key);
}

}

// Rows on ShowNotAvailable wait for the procedure named beside them.
void RegisterAidCommands() {
    platform::RegisterCommandProcedures({
        {"Cycle Private", CyclePrivate},
        {"Copy Private", CopyPrivate},
        {"Paste Private", PastePrivate},
        {"Find", ShowNotAvailable},           // ShowFind
        {"Find Next", ShowNotAvailable},      // FindNextCommand
        {"Find Previous", ShowNotAvailable},  // FindPreviousCommand
        {"Replace", ShowNotAvailable},        // ShowReplace
        {"HotCode For Selection", HotCodeForSelection},
        {"Edit HotCodes", EditHotCodes},
        {"Apply HotCode", ApplyHotCode},
        {"Insert Color", InsertColor},
        {"Insert Filename", InsertFilename},
        {"Insert FilePath", InsertFilePath},
        {"Insert Snippet", RunSnippetCommand},
        {"Edit Snippet", RunSnippetCommand},
        {"Delete Snippet", RunSnippetCommand},
        {"Add Category", RunSnippetCommand},
        {"New Snippet", RunSnippetCommand},
        {"Refresh Snippets", RunSnippetCommand},
        {"Edit As File", RunSnippetCommand},
        {"Insert Scancode", InsertScancode},
    });
}
