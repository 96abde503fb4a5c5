#pragma once

#include "platform/KorvoError.h"

#include <QList>
#include <QString>

#include <optional>
#include <type_traits>
#include <variant>

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
        if (!key.isEmpty() && findKey(key) >= 0) {
            LastError = ErrKeyAlreadyAssociated;
            return;
        }
        qsizetype at = items_.size();
        if (before || after) {
            at = locate(before ? *before : *after);
            if (at < 0)
                return;
            if (after)
                ++at;
        }
        items_.insert(at, Entry{key, item});
        LastError = 0;
    }

    void RemoveKey(const QString& key) { Remove(CollectionIndex(key)); }
    void RemoveIndex(int index) { Remove(CollectionIndex(index)); }
    void Remove(const CollectionIndex& at) {
        const qsizetype i = locate(at);
        if (i >= 0)
            items_.removeAt(i);
    }

    void RemoveAll() {
        items_.clear();
        LastError = 0;
    }

    int Count() const {
        LastError = 0;
        return int(items_.size());
    }

    T Item(const CollectionIndex& at) const {
        const qsizetype i = locate(at);
        return i >= 0 ? items_[i].item : T{};
    }

    bool Exist_Key(const QString& key) const { return locate(CollectionIndex(key)) >= 0; }

    // True when a text item equals the text exactly, letter case included;
    // object items never do.
    bool Exist_ItemString(const QString& text) const {
        LastError = 0;
        if constexpr (std::is_convertible_v<T, QString>) {
            for (const Entry& entry : items_)
                if (QString(entry.item) == text)
                    return true;
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
    };

    qsizetype findKey(const QString& key) const {
        for (qsizetype i = 0; i < items_.size(); ++i)
            if (!items_[i].key.isEmpty() && items_[i].key.compare(key, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }

    // The index of the item named, or -1; sets LastError either way.
    qsizetype locate(const CollectionIndex& at) const {
        qsizetype found = -1;
        if (const int* position = at.position())
            found = (*position >= 1 && *position <= items_.size()) ? *position - 1 : -1;
        else
            found = findKey(*at.key());
        LastError = found >= 0 ? 0 : (at.position() ? ErrSubscriptOutOfRange : ErrInvalidProcedureCall);
        return found;
    }

    QList<Entry> items_;
};
