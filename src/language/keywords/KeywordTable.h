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
    // The same, keyHash being KeyHash(upperKey): for a word tried in other tables too.
    const ClsBBFunkcija* Find(const QString& upperKey, size_t keyHash) const;
    int Count() const { return static_cast<int>(items_.size()); }
    const std::vector<KeywordPtr>& Items() const { return items_; }
    void RemoveAll();

private:
    // Every word of the text is looked up, and keyword names are short:
    // a plain hash of the characters beats Qt's seeded one here.
    struct HashedWord {
        const QString& word;
        size_t hash;
    };
    struct WordHash {
        using is_transparent = void;
        size_t operator()(const QString& word) const noexcept;
        size_t operator()(const HashedWord& word) const noexcept { return word.hash; }
    };
    struct SameWord {
        using is_transparent = void;
        bool operator()(const QString& a, const QString& b) const noexcept { return a == b; }
        bool operator()(const HashedWord& a, const QString& b) const noexcept { return a.word == b; }
        bool operator()(const QString& a, const HashedWord& b) const noexcept { return a == b.word; }
    };

    std::unordered_map<QString, KeywordPtr, WordHash, SameWord> byKey_;
    std::vector<KeywordPtr> items_;
};

// Keyword tables are chosen by the code of a word's upper-cased first
// character; codes 60 ("<") to 127 have a table.
constexpr int kFirstKeywordCode = 60;
constexpr int kLastKeywordCode = 127;
constexpr int kKeywordTableCount = kLastKeywordCode - kFirstKeywordCode + 1;

// The table code of a word, or -1 when its first character has no table.
int KeywordTableCode(const QString& word);
