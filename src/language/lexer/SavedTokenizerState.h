#pragma once

#include "language/lexer/Lexer.h"

#include <algorithm>
#include <vector>

// Keeps what the full tokenizer's buffer and tokens hold where a line of
// `length` bytes would overwrite them, and puts it back.
class SavedTokenizerState {
public:
    explicit SavedTokenizerState(int length)
        : bytes_(gLineBufferPtr, gLineBufferPtr + std::min(length, kMaxLineLength) + 1),
          tokens_(gTokens + 1, gTokens + 1 + std::min(int(bytes_.size()) + 1, kMaxTokens)) {}
    ~SavedTokenizerState() {
        std::copy(bytes_.begin(), bytes_.end(), gLineBufferPtr);
        std::copy(tokens_.begin(), tokens_.end(), gTokens + 1);
    }

private:
    const std::vector<unsigned char> bytes_;
    const std::vector<TokenRecord> tokens_;
};
