#include "editor/EditorCommands.h"

#include "editor/BookmarkSteps.h"
#include "editor/Bookmarks.h"
#include "editor/Breakpoints.h"
#include "editor/EditorSetup.h"
#include "editor/Folding.h"
#include "editor/PositionHistory.h"
#include "editor/SciWrappers.h"
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

void RegisterEditorCommands() {
    platform::RegisterCommandProcedures({
        {"New Line", NewLineInUndo},
        {"Delete", SciClear},
        {"Goto Previous Position", GotoPreviousPosition},
        {"Goto Next Position", GotoNextPosition},
        {"Toggle Fold", toggleFoldAtCaret},
        {"Toggle Bookmark", toggleBookmarkAtCaret},
        {"Previous Bookmark", GotoPrevBookmark},
        {"Next Bookmark", GotoNextBookmark},
        {"Clear All Bookmarks", ClearAllBookmarks},
        {"Toggle BreakPoint", toggleBreakPointAtCaret},
    });
}
