#pragma once

#include "language/keywords/KeywordTable.h"

#include <array>
#include <memory>

// The keyword tables of the active compiler. It holds the compiler's own
// tables, so reloading that compiler's keywords shows here at once.
class KeywordSet {
public:
    // The table of character code 60..127; an empty table for any other
    // code and before a compiler was activated.
    const KeywordTable& operator()(int code) const;
    void Set(int code, std::shared_ptr<KeywordTable> table);

    // The keyword of that name (any case), or null.
    KeywordPtr Find(const QString& word) const;
    // The same for a word already upper-cased.
    KeywordPtr FindU(const QString& upperWord) const;

private:
    std::array<std::shared_ptr<KeywordTable>, kKeywordTableCount> tables_;
};

extern KeywordSet gKeywords;
