#pragma once

// Until the colouriser is in place: the little of it that the parser and
// the whole-document passes need.

// The style of names nothing declares: 16 in strict mode, else 0.
extern int gStrictModeStyle;

// Restyles the keywords of the line as keywords, in the active keyword
// table's spelling.
void ReColorLine(int Line);
