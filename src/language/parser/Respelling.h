#pragma once

#include <QString>

// A word of a parsed line of the current view was respelled in place, its
// letter case only, starting at 1-based position StartPos: what the parser
// made of that word (a declared name, a parameter, a custom type name, the
// text of a size or of a function's parameters) takes the new spelling, as
// a parse of the line now would make it.
void FollowRespelling(int Line, int StartPos, const QString& Spelling);
