#pragma once

// With an active editor: unfolds the line (0-based) and puts the caret at
// its start; with GotoPositionsAtTop, the line comes to the top of the view.
void GotoLineShow(long Line);
