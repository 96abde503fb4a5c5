#include "language/keywords/KeywordTable.h"

#include "foundation/UpperKey.h"
#include "platform/KorvoError.h"

void KeywordTable::Add(const QString& key, KeywordPtr item) {
    const QString upper = UpperKey(key);
    if (byKey_.count(upper))
        RaiseError(ErrKeyAlreadyAssociated, QStringLiteral("This key is already associated with an element of this collection"));
    byKey_.emplace(upper, item);
    items_.push_back(std::move(item));
}

bool KeywordTable::Exists(const QString& key) const {
    return byKey_.count(UpperKey(key)) != 0;
}

KeywordPtr KeywordTable::Item(const QString& key) const {
    return ItemU(UpperKey(key));
}

KeywordPtr KeywordTable::ItemU(const QString& upperKey) const {
    const auto found = byKey_.find(upperKey);
    return found == byKey_.end() ? nullptr : found->second;
}

const ClsBBFunkcija* KeywordTable::Find(const QString& upperKey, size_t keyHash) const {
    const auto found = byKey_.find(HashedWord{upperKey, keyHash});
    return found == byKey_.end() ? nullptr : found->second.get();
}

size_t KeywordTable::WordHash::operator()(const QString& word) const noexcept {
    return KeyHash(word);
}

void KeywordTable::RemoveAll() {
    byKey_.clear();
    items_.clear();
}

int KeywordTableCode(const QString& word) {
    if (word.isEmpty())
        return -1;
    const int code = word.at(0).toUpper().unicode();
    return code >= kFirstKeywordCode && code <= kLastKeywordCode ? code : -1;
}
