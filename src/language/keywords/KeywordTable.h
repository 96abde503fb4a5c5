#pragma once

#include "language/keywords/KeywordRecord.h"

#include <QString>

#include <cstddef>
#include <unordered_map>
#include <vector>

// The keywords of one first character: keyed by name without regard to
// case, enumerated in the order they were added.
class KeywordTable {
public:
    // Raises error 457 when the name is already present.
    void Add(const QString& key, KeywordPtr item);
    bool Exists(const QString& key) const;
    // The keyword of that name, or null.
    KeywordPtr Item(const QString& key) const;
    // The same for a key already upper-cased.
    KeywordPtr ItemU(const QString& upperKey) const;
    int Count() const { return static_cast<int>(items_.size()); }
    const std::vector<KeywordPtr>& Items() const { return items_; }
    void RemoveAll();

private:
    // Every word of the text is looked up, and keyword names are short:
    // a plain hash of the characters beats Qt's seeded one here.
    struct WordHash {
        size_t operator()(const QString& word) const noexcept;
    };

    std::unordered_map<QString, KeywordPtr, WordHash> byKey_;
    std::vector<KeywordPtr> items_;
};

// Keyword tables are chosen by the code of a word's upper-cased first
// character; codes 60 ("<") to 127 have a table.
constexpr int kFirstKeywordCode = 60;
constexpr int kLastKeywordCode = 127;
constexpr int kKeywordTableCount = kLastKeywordCode - kFirstKeywordCode + 1;

// The table code of a word, or -1 when its first character has no table.
int KeywordTableCode(const QString& word);
