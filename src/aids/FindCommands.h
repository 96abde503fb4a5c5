#pragma once

// The commands "Find", "Find Next", "Find Previous" and "Replace".

// Shows the find dialog and fills its find box.
void ShowFind();
// Searches on with the dialog's find text, or, while it is empty, does what "Find" does.
void FindNextCommand();
void FindPreviousCommand();
// Shows the find dialog with its replace part open, or performs one replace step.
void ShowReplace();
