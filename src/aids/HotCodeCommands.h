#pragma once

// "Apply HotCode": replaces the word at the caret, when it names a hot code
// (letter case aside), by the hot code's text, exactly as stored, in one
// undo step; the caret ends after the text. Never reports anything.
void ApplyHotCode();
// "HotCode For Selection": the edit dialog in add-only mode with the
// selected text; a hot code added is saved at once.
void HotCodeForSelection();
// "Edit HotCodes": the hot-code list dialog.
void EditHotCodes();
