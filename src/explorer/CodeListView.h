#pragma once

#include "foundation/CodeRecord.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTreeWidget>

// What names a declaration in the code explorer whatever its line and its
// name: the view of its document and the marker of its declaring line.
struct ExplorerKey {
    long view = 0;
    int handle = 0;

    static ExplorerKey of(const CodeRecord& record) { return {record.SciWndData.id(), record.Handle}; }
    bool operator==(const ExplorerKey&) const = default;
};

inline size_t qHash(const ExplorerKey& key, size_t seed = 0) {
    return qHashMulti(seed, key.view, key.handle);
}

// One row: its texts, and for a declaration its key, the name as written
// (the tag) and the view of its document.
class CodeListItem : public QTreeWidgetItem {
public:
    explicit CodeListItem(const QStringList& texts);

    // A row without a key (a local, a field) is never found by key.
    void setKey(const ExplorerKey& key) {
        key_ = key;
        keyed_ = true;
    }
    const ExplorerKey& key() const { return key_; }
    bool keyed() const { return keyed_; }

    QString tag;
    SciHandle view;

    QString name() const { return name_; }
    QString file() const { return file_; }
    QString line() const { return line_; }

private:
    ExplorerKey key_;
    bool keyed_ = false;
    QString name_;
    QString file_;
    QString line_;
};

// A flat report list of the code explorer, one icon for all its rows. Rows
// stay ordered by the order column: the name without regard to case (ties
// by the exact text), or the "Line" text. Keyed rows are found by key.
// Column widths are twips; a width of 0 hides the column.
class CodeListView : public QTreeWidget {
    Q_OBJECT
public:
    CodeListView(const QString& name, const QStringList& headers, const QIcon& icon, QWidget* parent = nullptr);

    void setColumnWidthTwips(int column, int widthTwips);
    int columnWidthTwips(int column) const;

    // 0 orders by name, 2 by the "Line" column; re-orders the rows.
    void setOrderColumn(int column);

    int count() const { return topLevelItemCount(); }
    CodeListItem* at(int index) const;
    // Null when no row has the key.
    CodeListItem* find(const ExplorerKey& key) const;
    CodeListItem* selectedRow() const;

    // A new row with the list's icon, not yet in the list.
    CodeListItem* newRow(const QStringList& texts) const;
    // Adds a batch of rows, then orders the whole list once.
    void addRows(const QList<CodeListItem*>& rows);
    // Adds one row at its place in the order.
    void insertRow(CodeListItem* row);
    void removeRow(CodeListItem* row);
    void clearRows();

    bool precedes(const CodeListItem& a, const CodeListItem& b) const;

private:
    QList<CodeListItem*> takeAll();
    void reorder();

    QIcon icon_;
    int orderColumn_ = 0;
    QHash<ExplorerKey, CodeListItem*> byKey_;
};
