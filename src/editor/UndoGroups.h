#pragma once

#include "platform/scintilla/SciView.h"

// Undo groups of the current view, counted per view. Scintilla drops an
// open group when undo collection is switched off and on, and ending that
// group afterwards fails one of its assertions; whoever switches collection
// asks first whether a group is open.

void SciBeginUndoAction();
// Ends the view's innermost open group; nothing when none is open.
void SciEndUndoAction();
// The number of groups open on the current view.
int OpenUndoGroups();

// One undo action of the current view for a scope, ended on that view on
// every way out, and only when it was begun.
class UndoActionScope {
public:
    UndoActionScope();
    ~UndoActionScope();
    UndoActionScope(const UndoActionScope&) = delete;
    UndoActionScope& operator=(const UndoActionScope&) = delete;

private:
    SciHandle view_;
    bool begun_;
};
