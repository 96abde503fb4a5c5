#pragma once

#include "editor/Folding.h"
#include "language/keywords/KeywordRecord.h"
#include "language/lexer/Lexer.h"

// The block structure of a parsed line: what it opens and closes, counted
// while the parser walks its tokens, and from that the line's fold level and
// indentation, carried on to the next line through gFoldLevel and
// gIndentLevel.

struct BlockCounts {
    int openers = 0;    // indentation blocks the line opens
    int closers = 0;    // indentation blocks the line closes
    int foldDelta = 0;  // fold blocks opened (+1) and closed (-1)
    bool noIndent = false;  // the line starts with a comment: its indentation stays
    bool functionBoundary = false;  // a Function or End Function line

    // Closes a block the line opened, else one of the lines above.
    void closeOne() {
        if (openers > 0)
            --openers;
        else
            ++closers;
    }
};

// Before the token walk: the level of this line, from the line above unless
// it is carried over from the line parsed just before.
void PrepareIndentLevel(int Line, bool InFilePass);

// Keyword token i of gTokens (TokenCount tokens) with its keyword record:
// the blocks it opens and closes. The parser's count leaves the closing out
// unless AutoIndentType is 2.
void CountBlockKeyword(BlockCounts& counts, const ClsBBFunkcija& keyword, int i, int TokenCount);
// The same over another tokenized line, such as gLightTokens.
void CountBlockKeyword(BlockCounts& counts, const ClsBBFunkcija& keyword, const TokenRecord* tokens, int i,
                       int TokenCount);
void CountKeyword(BlockCounts& counts, const ClsBBFunkcija& keyword, int i, int TokenCount);

// Set by a whole-document pass in which every line of the view is shown:
// the fold step of a line visited in the pass shows nothing.
extern bool gEveryLineShown;

// After the walk, in this order.
void ApplyFoldLevel(int Line, bool InFilePass, const BlockCounts& counts);
void ApplyIndentation(int Line, const BlockCounts& counts);

// After line Line was parsed with the running level Level: re-levels the
// lines below it down to the next function boundary and keeps their
// main-program markers in step.
void CheckFold(int Line, int Level);

// Whether the indentation step re-indents the line being parsed.
bool ReindentsLines();

// Outside every function: gCurrentFunction is the main program or unknown.
bool InMainProgram();
