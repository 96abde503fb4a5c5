#pragma once

#include "foundation/Hash.h"
#include "language/keywords/KeywordRecord.h"

#include <QString>

// The line parser: parses one line of the current view into the code model
// of gActiveProject, anchors each declaration to a marker on the line, gives
// the line its first styling, fold level and indentation, and carries the
// scope and levels on to the next line.

// Levels for the next line to parse; 0 = recompute from the line above.
extern int gFoldLevel;
extern int gIndentLevel;
// A whole document is being parsed from the top.
extern bool gParsingFile;
// Declarations may have changed since the code explorer last caught up.
extern bool gConstructsChanged;
// The program itself is changing text or styles: not an edit to track.
extern bool gIgnoreSciModified;
// While set, each block-opening keyword parsed is copied into gCapturedKeyword.
extern bool gCaptureKeyword;
extern QString gCapturedKeyword;
// The keyword record last looked up.
extern KeywordPtr gKeywordItem;

// Parses line Line (0-based) and puts the parsed-line marker on it. The
// line carries no parsed-line marker and none of its records is in the
// model. InFilePass: the line before was parsed just before, so the carried
// scope and levels describe this line.
void Parseline(int Line, bool InFilePass);

// gCurrentLocals, made the main program's locals of gActiveProject while
// no scope query has set it yet.
clsHash& CurrentLocalsTable();

// The active keyword of identifier token i of gTokens, read from
// gLineBuffer; null when it is no keyword.
KeywordPtr KeywordOfToken(int i);
