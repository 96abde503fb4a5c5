#pragma once

// Undo groups of the current view, counted per view. Scintilla drops an
// open group when undo collection is switched off and on, and ending that
// group afterwards fails one of its assertions; whoever switches collection
// asks first whether a group is open.

void SciBeginUndoAction();
// Ends the view's innermost open group; nothing when none is open.
void SciEndUndoAction();
// The number of groups open on the current view.
int OpenUndoGroups();

// One undo group for a scope, ended on every way out of it, so that an
// interrupted command never merges later typing into its step.
class UndoGroupScope {
public:
    UndoGroupScope() { SciBeginUndoAction(); }
    ~UndoGroupScope() { SciEndUndoAction(); }
    UndoGroupScope(const UndoGroupScope&) = delete;
    UndoGroupScope& operator=(const UndoGroupScope&) = delete;
};
