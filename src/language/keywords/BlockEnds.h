#pragma once

#include <QString>

// The words that follow End to close a block. The parser, the re-indent
// commands and the next line's indentation all read this one table, and
// find a word in it without regard to case.

enum class EndedBlock { Function, Type, If, Select };

struct BlockEnd {
    EndedBlock block;
    const char* word;  // as case correction writes it
    int closers;       // indentation levels the End line closes: End Select closes its last Case as well
};

// The entry of word, or null when End followed by it closes no block.
const BlockEnd* FindBlockEnd(const QString& word);
