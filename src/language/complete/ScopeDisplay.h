#pragma once

// Shows in the quick-help line, after " SCOPE: ", the line of the current
// view that opened the block which Line closes: the nearest line above at
// the same indentation that is neither a comment nor an Else line, with
// deeper lines and comment lines passed over. A line indented less ends the
// search without a result, which clears the quick-help line. Any call tip
// closes.
void ShowStartScope(long Line);
