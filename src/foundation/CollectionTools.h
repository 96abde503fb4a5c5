#pragma once

#include "platform/KorvoError.h"

#include <QHash>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>
#include <type_traits>
#include <variant>

namespace collection_detail {

// Entries every collection has looked at to place or find one, so that a
// test can see how the work grows with the members.
inline std::uint64_t examined = 0;

// A key as a case-insensitive comparison sees it: each code unit folded as
// QString::compare folds it, a low surrogate by its whole code point.
inline QString foldedKey(const QString& key) {
    QString folded(key.size(), Qt::Uninitialized);
    char16_t last = 0;
    for (qsizetype i = 0; i < key.size(); ++i) {
        const char16_t unit = key[i].unicode();
        char32_t code = unit;
        if (QChar::isLowSurrogate(unit) && QChar::isHighSurrogate(last))
            code = QChar::surrogateToUcs4(last, unit);
        last = unit;
        const char32_t foldedCode = QChar::toCaseFolded(code);
        folded[i] = QChar::requiresSurrogates(foldedCode) ? QChar(QChar::lowSurrogate(foldedCode))
                                                          : QChar(char16_t(foldedCode));
    }
    return folded;
}

}

// A 1-based position or a key: how a collection member names an item.
class CollectionIndex {
public:
    CollectionIndex(int position) : at_(position) {}
    CollectionIndex(const QString& key) : at_(key) {}
    CollectionIndex(const char* key) : at_(QString::fromUtf8(key)) {}

    const int* position() const { return std::get_if<int>(&at_); }
    const QString* key() const { return std::get_if<QString>(&at_); }

private:
    std::variant<int, QString> at_;
};

// An ordered, keyed collection whose members do not raise: a member that
// fails leaves the collection unchanged, puts the error number into
// LastError (5 for a missing key, 9 for a position out of range, 457 for a
// key already present) and returns an empty result. Keys compare without
// case; an item added with an empty key can be reached only by position or
// by enumeration. T is a value or a shared object pointer; an object's
// "empty" is the null pointer.
template <typename T>
class CollectionTools {
public:
    // Set by every member, queries of a const collection included.
    mutable int LastError = 0;

    void Add(const T& item, const QString& key = QString(), std::optional<CollectionIndex> before = std::nullopt,
             std::optional<CollectionIndex> after = std::nullopt) {
        if (before && after) {
            LastError = ErrInvalidProcedureCall;
            return;
        }
        if (keyTaken(key))
            return;
        qsizetype at = items_.size();
        if (before || after) {
            at = locate(before ? *before : *after);
            if (at < 0)
                return;
            if (after)
                ++at;
        }
        insertAt(at, item, key);
    }

    // Adds before the first item for which sortsAfter(item) holds, else at
    // the end, as Add does. The items must already be in that order (every
    // item that sorts after the new one follows every item that does not),
    // so that the place is found by halving; items that come in order take
    // one look at the last item.
    template <typename SortsAfter>
    void AddInOrder(const T& item, const QString& key, SortsAfter sortsAfter) {
        if (keyTaken(key))
            return;
        qsizetype low = 0;
        qsizetype high = items_.size();
        if (high > 0) {
            ++collection_detail::examined;
            if (!sortsAfter(items_.last().item))
                low = high;
        }
        while (low < high) {
            const qsizetype middle = low + (high - low) / 2;
            ++collection_detail::examined;
            if (sortsAfter(items_[middle].item))
                high = middle;
            else
                low = middle + 1;
        }
        insertAt(low, item, key);
    }

    void RemoveKey(const QString& key) { Remove(CollectionIndex(key)); }
    void RemoveIndex(int index) { Remove(CollectionIndex(index)); }
    void Remove(const CollectionIndex& at) {
        const qsizetype i = locate(at);
        if (i < 0)
            return;
        if (!items_[i].key.isEmpty())
            byKey_.remove(collection_detail::foldedKey(items_[i].key));
        items_.removeAt(i);
    }

    void RemoveAll() {
        items_.clear();
        byKey_.clear();
        LastError = 0;
    }

    int Count() const {
        LastError = 0;
        return int(items_.size());
    }

    T Item(const CollectionIndex& at) const {
        if (const QString* key = at.key()) {
            const Keyed* keyed = findKey(*key);
            return keyed ? keyed->item : T{};
        }
        const qsizetype i = locate(at);
        return i >= 0 ? items_[i].item : T{};
    }

    bool Exist_Key(const QString& key) const { return findKey(key) != nullptr; }

    static std::uint64_t EntriesExamined() { return collection_detail::examined; }

    // True when a text item equals the text exactly, letter case included;
    // object items never do.
    bool Exist_ItemString(const QString& text) const {
        LastError = 0;
        if constexpr (std::is_convertible_v<T, QString>) {
            for (const Entry& entry : items_) {
                ++collection_detail::examined;
                if (QString(entry.item) == text)
                    return true;
            }
        }
        return false;
    }

    // The items in position order, as they are when the loop starts: a loop
    // may add and remove items as it goes.
    QList<T> NewEnum() const {
        QList<T> all;
        all.reserve(items_.size());
        for (const Entry& entry : items_)
            all.append(entry.item);
        return all;
    }

private:
    struct Entry {
        QString key;
        T item;
        std::uint64_t serial = 0;  // names the entry while positions shift
    };
    // A keyed entry as its folded key finds it.
    struct Keyed {
        std::uint64_t serial = 0;
        T item;
    };

    // True, with LastError set, when a non-empty key is held already.
    bool keyTaken(const QString& key) {
        if (key.isEmpty() || !byKey_.contains(collection_detail::foldedKey(key)))
            return false;
        LastError = ErrKeyAlreadyAssociated;
        return true;
    }

    void insertAt(qsizetype at, const T& item, const QString& key) {
        const std::uint64_t serial = ++serials_;
        items_.insert(at, Entry{key, item, serial});
        if (!key.isEmpty())
            byKey_.insert(collection_detail::foldedKey(key), Keyed{serial, item});
        LastError = 0;
    }

    // The entry of that key, or null; sets LastError either way.
    const Keyed* findKey(const QString& key) const {
        const auto found = key.isEmpty() ? byKey_.cend() : byKey_.constFind(collection_detail::foldedKey(key));
        LastError = found != byKey_.cend() ? 0 : ErrInvalidProcedureCall;
        return found != byKey_.cend() ? &found.value() : nullptr;
    }

    // The index of the item named, or -1; sets LastError either way.
    qsizetype locate(const CollectionIndex& at) const {
        qsizetype found = -1;
        if (const int* position = at.position()) {
            found = (*position >= 1 && *position <= items_.size()) ? *position - 1 : -1;
        } else if (const Keyed* keyed = findKey(*at.key())) {
            for (qsizetype i = 0; i < items_.size() && found < 0; ++i) {
                ++collection_detail::examined;
                if (items_[i].serial == keyed->serial)
                    found = i;
            }
        }
        LastError = found >= 0 ? 0 : (at.position() ? ErrSubscriptOutOfRange : ErrInvalidProcedureCall);
        return found;
    }

    QList<Entry> items_;
    QHash<QString, Keyed> byKey_;
    std::uint64_t serials_ = 0;
};
