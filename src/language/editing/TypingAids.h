#pragma once

// The aids that act while the user types in the current view.

// After a typed line break: the new line takes the indentation of the line
// above, and the caret goes after it.
void CopyIndentationToNewLine();

// A name followed by two signs Ch ('+' or '-', the second at Pos) becomes
// an assignment: "count++" reads "count=count+1", caret after the "1". Signs
// after an expression, in a string or in a comment stay as typed.
void ExpandPlusPlus(long Pos, int Ch);

// "Complete Scope": a new line, and below it the keyword that closes the
// block opened on the line the caret left ("While" gets "Wend").
void InsertBlockEnd();

