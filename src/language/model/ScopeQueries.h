#pragma once

#include <QString>

// Which function and which type enclose a line of the current view, found
// from the boundary markers the line parser leaves on Function and Type
// lines and on their End lines. The current view's document, gSciWndData
// and gActiveProject must belong together.

// The function around Line, or "*Main Program*"; sets gCurrentLocals to
// its locals.
QString CurrentFunction(int Line);

// The type around Line, or ""; sets gCurrentFields to its fields and leaves
// them alone outside types.
QString CurrentType(int Line);

// The function to show for Line: an End Function line shows the function it
// closes. The tables are not consulted.
QString CurrentFunctionForDisplay(int Line);
