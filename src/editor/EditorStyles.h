#pragma once

// Pushes the colour style into the current view: fonts and colours of the
// text styles, caret, selection, caret line, call tips, white space, indent
// guides, fold margin and markers. Nothing when no editor is active.
// Until colour styles can be loaded, this is Korvo's built-in light style.
void ApplyEditorStyles();

// The selection's background in an editor with the focus, or the paler one
// of an editor without it.
long SelectionBackColour(bool focused);
