#pragma once

// Registers the procedures of the editor's command keys: typing, the line
// and block commands, folds, bookmarks, breakpoints and the position history.
void RegisterEditorCommands();
