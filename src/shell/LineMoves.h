#pragma once

// Swap the caret line's text with the line above (below) as one undo step;
// line ends stay in place and the caret keeps its byte offset in the line.
// On the first (last) line they only beep.
void MoveCurrentLineUp();
void MoveCurrentLineDown();
