#pragma once

// Re-indents lines of the current view by the keyword scope rules, as one
// undo action hidden from the notification handler. A line that starts
// with a comment keeps its indentation.

// "Auto Indent Selection": the lines from the selection start's to the
// selection end's.
void AutoIndentSelection();

// "Auto Indent Function": the function around the caret (the main program
// up to the first function before any); the caret keeps its line and
// column.
void AutoindentCurrentFunction();
