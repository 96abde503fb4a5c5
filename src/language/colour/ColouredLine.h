#pragma once

// The frame every colouring pass shares: the line read into the tokenizer
// and cut into gTokens.
struct ColouredLine {
    // Reads line Line of the current view. InOrder: lines are read one after
    // the other, from a copy of the text ahead.
    explicit ColouredLine(int Line, bool InOrder = false);

    int line;
    int length;     // characters, line end included
    int lineBase;   // the line's start position - 1: token i starts at lineBase + StartPos
    int count;      // tokens
    bool isLastLine;  // no line end follows: the document's last line
};
