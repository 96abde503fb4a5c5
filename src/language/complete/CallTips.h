#pragma once

// The call tip and the quick-help line for the caret. Stands in until call
// tips are built: shows nothing.
void ShowHelp(long Pos, long Line);
