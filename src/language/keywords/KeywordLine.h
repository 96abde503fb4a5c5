#pragma once

#include "language/keywords/KeywordRecord.h"

#include <QString>

// Reads one line of a compiler's keyword listing, such as
// "Mid$ ( string$,start[,count] )", into a keyword record. Raises an error
// for a line with an empty name or an overlong parameter part.
KeywordPtr ReadKeywordLine(const QString& line);

// Blanks (spaces and tabs) removed from both ends.
QString TrimBlanks(const QString& text);
