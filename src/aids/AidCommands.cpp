#include "aids/AidCommands.h"

#include "aids/ClipRing.h"
#include "aids/HotCodeCommands.h"
#include "foundation/MessageHelpers.h"
#include "platform/CommandProcedures.h"

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
        {"Insert Color", ShowNotAvailable},     // InsertColor
        {"Insert Filename", ShowNotAvailable},  // InsertFilename
        {"Insert FilePath", ShowNotAvailable},  // InsertFilePath
        {"Insert Snippet", ShowNotAvailable},   // frmSnippets.DoMenuCommand with the key
        {"Edit Snippet", ShowNotAvailable},
        {"Delete Snippet", ShowNotAvailable},
        {"Add Category", ShowNotAvailable},
        {"New Snippet", ShowNotAvailable},
        {"Refresh Snippets", ShowNotAvailable},
        {"Edit As File", ShowNotAvailable},
        {"Insert Scancode", ShowNotAvailable},  // frmScancode shown modally, then FocusEditor
    });
}
