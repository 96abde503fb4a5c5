#pragma once

#include <QString>
#include <QStringList>

// A named list of texts kept in the settings store, section "MRU" + Name,
// values "1" .. "n". In recent mode the newest entry stands first and the
// oldest drops out beyond Number; in favourites mode entries are appended
// and refused once the list is full. Entries that differ only in letter case
// are the same entry.
class ClsMRU {
public:
    void Add(const QString& File);
    void Clear();
    int Count() const;
    // The entry at position i (from 1); "" when there is none.
    QString IndexItem(int i) const;
    // Replaces the entries by the stored list; a missing or empty section
    // leaves them as they are.
    void Load();
    void Remove(const QString& File);
    // Rewrites the list's section from the entries.
    void Save() const;

    short Number() const { return number_; }
    void setNumber(short number) { number_ = number; }
    QString Name() const { return name_; }
    void setName(const QString& name) { name_ = name; }
    bool AsFavorites() const { return asFavorites_; }
    void setAsFavorites(bool asFavorites) { asFavorites_ = asFavorites; }

private:
    qsizetype find(const QString& File) const;
    QString section() const { return QStringLiteral("MRU") + name_; }

    QStringList entries_;
    short number_ = 5;
    QString name_ = QStringLiteral("RecentFiles");
    bool asFavorites_ = false;
};
