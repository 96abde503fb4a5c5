#pragma once

#include <QString>

#include <utility>
#include <vector>

// Items in insertion order under keys that compare without regard to case.
// Lookups of a missing key give an empty item; nothing here raises.
template <typename T>
class KeyedList {
public:
    // False, and nothing added, when the key is already present.
    bool Add(const QString& key, T item) {
        if (indexOf(key) >= 0)
            return false;
        entries_.emplace_back(key, std::move(item));
        return true;
    }

    bool Exist_Key(const QString& key) const { return indexOf(key) >= 0; }

    T Item(const QString& key) const {
        const int index = indexOf(key);
        return index < 0 ? T{} : entries_[index].second;
    }

    // Position from 1.
    T Item(int position) const {
        return position >= 1 && position <= Count() ? entries_[position - 1].second : T{};
    }

    bool Remove(const QString& key) {
        const int index = indexOf(key);
        if (index < 0)
            return false;
        entries_.erase(entries_.begin() + index);
        return true;
    }

    void RemoveAll() { entries_.clear(); }
    int Count() const { return static_cast<int>(entries_.size()); }

    // Walks (key, item) pairs in insertion order.
    auto begin() const { return entries_.begin(); }
    auto end() const { return entries_.end(); }

private:
    int indexOf(const QString& key) const {
        for (int i = 0; i < Count(); ++i)
            if (entries_[i].first.compare(key, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }

    std::vector<std::pair<QString, T>> entries_;
};
