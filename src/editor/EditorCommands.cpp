#include "editor/EditorCommands.h"

#include "editor/EditorSetup.h"
#include "editor/Folding.h"
#include "editor/SciWrappers.h"
#include "foundation/MessageHelpers.h"
#include "platform/CommandProcedures.h"
#include "vocabulary/SettingsValues.h"

namespace {

void toggleFoldAtCaret() {
    if (ShowFoldMargin != 0)
        ToggleFold(int(SciLineFromPosition(SciGetCurrentPos())));
}

}

// Rows on ShowNotAvailable wait for the procedure named beside them.
void RegisterEditorCommands() {
    platform::RegisterCommandProcedures({
        {"New Line", NewLineInUndo},
        {"Delete", SciClear},
        {"Indent Selection", ShowNotAvailable},        // IndentSelectedLines
        {"UnIndent Selection", ShowNotAvailable},      // UnindentSelectedLines
        {"Comment Selection", ShowNotAvailable},       // CommentSelectedLines
        {"UnComment Selection", ShowNotAvailable},     // UncommentSelectedLines
        {"Block From Selection", ShowNotAvailable},    // InsertBlockComment
        {"Goto Previous Position", ShowNotAvailable},  // GotoPreviousPosition
        {"Goto Next Position", ShowNotAvailable},      // GotoNextPosition
        {"Toggle Fold", toggleFoldAtCaret},
        {"Toggle Bookmark", ShowNotAvailable},         // ToggleBookmark with -1
        {"Previous Bookmark", ShowNotAvailable},       // GotoPrevBookmark
        {"Next Bookmark", ShowNotAvailable},           // GotoNextBookmark
        {"Clear All Bookmarks", ShowNotAvailable},     // ClearAllBookmarks
        {"Toggle BreakPoint", ShowNotAvailable},       // ToggleBreakPoint with -1
        {"Auto Indent Selection", ShowNotAvailable},   // AutoIndentSelection
        {"Auto Indent Function", ShowNotAvailable},    // AutoindentCurrentFunction
        {"Complete Scope", ShowNotAvailable},          // InsertBlockEnd
    });
}
