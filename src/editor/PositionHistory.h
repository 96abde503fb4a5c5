#pragma once

// Records a position of the current view in the position history. Stands in
// until the history is built: records nothing.
void CheckCBrowser(long Pos, long Line);
