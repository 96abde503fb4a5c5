#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The entries of a completion list, given to Scintilla in the order its
// list searches them: letters compared upper-cased, then by character code,
// so "PLAYERS" comes before "player_x". Equal names keep the order they
// were added in.
class CompletionList {
public:
    void add(const QString& name);
    // Whether an entry of that name in any letter case is present.
    bool containsNoCase(const QString& name) const;
    bool isEmpty() const { return entries_.isEmpty(); }
    qsizetype size() const { return entries_.size(); }
    QStringList sorted() const;

private:
    QStringList entries_;
    QSet<QString> keys_;
};
