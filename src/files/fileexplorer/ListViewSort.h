#pragma once

#include <QString>
#include <QTreeWidgetItem>

class QTreeWidget;

// Sorting a report list by one of its columns when its header is clicked.
// Each column's kind is the tag of its header ("DATE", "NUMBER", anything
// else is text); the list's order and sort column live on the list itself.
namespace listsort {

// How dates are shown in the lists and read back by the sort.
inline constexpr char kDateFormat[] = "yyyy-MM-dd HH:mm:ss";

// The kind tag of a header.
void SetColumnTag(QTreeWidget* list, int column, const QString& tag);
QString ColumnTag(const QTreeWidget* list, int column);

// The order the next sort flips, and the column sorted last (0-based).
Qt::SortOrder SortOrder(const QTreeWidget* list);
void SetSortOrder(QTreeWidget* list, Qt::SortOrder order);
int SortKey(const QTreeWidget* list);
void SetSortKey(QTreeWidget* list, int column);

}

// A row that compares by its column's kind: dates by time, numbers by value,
// other texts without regard to case. A cell that is no date or number sorts
// before every one that is, in ascending order. Cell texts are never
// touched.
class SortableRow : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override;
};

// Flips the list's order, sorts it by column (0-based) and shows the sort
// indicator on that column's header only.
void SortListViewByColumn(QTreeWidget* list, int column);

// Shows the indicator on the sorted column, or none.
void ShowListViewSortIcon(QTreeWidget* list);

// Hides the indicator when it stands on column; other headers keep theirs.
void ClearHeaderSortImage(QTreeWidget* list, int column);
