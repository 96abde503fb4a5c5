#pragma once

// Lights the innermost bracket pair of the caret line that encloses the
// caret (Caret, on line Line); with none, shows the indentation guide of a
// scope keyword at the caret.
void HighlightBraceOrScope(long Caret, long Line);
