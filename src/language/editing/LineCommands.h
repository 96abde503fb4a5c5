#pragma once

// The line and block commands on the selected lines of the current view.
// Each is one undo action. A selection that ends at the start of a line
// leaves that line out; a collapsed fold header as the last line brings its
// hidden body in.

// "Indent Selection" and "UnIndent Selection": TabValue columns more or
// fewer (never below 0) on each line, with the whole lines selected after;
// without a selection, a tab or back-tab at the caret.
void IndentSelectedLines();
void UnindentSelectedLines();

// "Comment Selection": ";" at the start of each line. "UnComment
// Selection": one ";" that is a line's first non-blank character goes.
void CommentSelectedLines();
void UncommentSelectedLines();

// "Block From Selection": a ";[Block]" line before the lines and an
// ";[End Block]" line after them; the caret goes to the line after that.
void InsertBlockComment();
