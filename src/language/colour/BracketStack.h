#pragma once

// The brackets of the line being coloured: matched ones are separators,
// the others BraceBad. Each colouring pass empties the stack first and
// styles what is left on it last.

void EmptyBracketStack();
// Character is '(' or '['.
void OpenBracket(long Position, char Character);
// Character is ')' or ']'.
void CloseBracket(long Position, char Character);
void StyleUnclosedBrackets();
