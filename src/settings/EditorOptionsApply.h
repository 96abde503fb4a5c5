#pragma once

// Puts the editor options (not the colour style) into every open document's
// editor, each made the current view in turn; the current view stays.
void ApplyOptionsToEveryEditor();

// Expands every collapsed fold of every open editor, each made current in
// turn, while the fold margin is still on: once it is off, a hidden fold
// could not be opened again.
void UnfoldEveryEditor();
