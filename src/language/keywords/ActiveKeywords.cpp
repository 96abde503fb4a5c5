#include "language/keywords/ActiveKeywords.h"

KeywordSet gKeywords;

const KeywordTable& KeywordSet::operator()(int code) const {
    static const KeywordTable none;
    if (code < kFirstKeywordCode || code > kLastKeywordCode)
        return none;
    const auto& table = tables_[code - kFirstKeywordCode];
    return table ? *table : none;
}

void KeywordSet::Set(int code, std::shared_ptr<KeywordTable> table) {
    if (code >= kFirstKeywordCode && code <= kLastKeywordCode)
        tables_[code - kFirstKeywordCode] = std::move(table);
}

KeywordPtr KeywordSet::Find(const QString& word) const {
    return (*this)(KeywordTableCode(word)).Item(word);
}

KeywordPtr KeywordSet::FindU(const QString& upperWord) const {
    return upperWord.isEmpty() ? nullptr : (*this)(upperWord.at(0).unicode()).ItemU(upperWord);
}
