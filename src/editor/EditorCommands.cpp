#include "editor/EditorCommands.h"

#include "editor/Bookmarks.h"
#include "editor/Breakpoints.h"
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

void toggleBookmarkAtCaret() {
    ToggleBookmark(-1);
}

void toggleBreakPointAtCaret() {
    ToggleBreakPoint(-1);
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
        {"Toggle Bookmark", toggleBookmarkAtCaret},
        {"Previous Bookmark", ShowNotAvailable},       // GotoPrevBookmark
        {"Next Bookmark", ShowNotAvailable},           // GotoNextBookmark
        {"Clear All Bookmarks", ShowNotAvailable},     // ClearAllBookmarks
        {"Toggle BreakPoint", toggleBreakPointAtCaret},
        {"Auto Indent Selection", ShowNotAvailable},   // AutoIndentSelection
        {"Auto Indent Function", ShowNotAvailable},    // AutoindentCurrentFunction
    });
}
