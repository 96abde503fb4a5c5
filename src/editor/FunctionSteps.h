#pragma once

// Move the caret to the next (previous) Function line, passing over the
// End Function lines; nothing when there is none.
void NextFunction();
void PreviousFunction();
