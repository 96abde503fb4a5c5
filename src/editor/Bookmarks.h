#pragma once

// Adds the bookmark (marker 4) to the line of Pos in the current view, or
// takes it away when the line has one; Pos -1 stands for the caret. With
// FileDirtyOnBookmarks the document counts as changed.
void ToggleBookmark(long Pos);
