#include "files/fileexplorer/ListViewSort.h"

#include "platform/WindowUpdateLock.h"

#include <QDateTime>
#include <QHeaderView>
#include <QTreeWidget>

#include <optional>

namespace listsort {

namespace {
const char kOrderProperty[] = "korvoSortOrder";
const char kKeyProperty[] = "korvoSortKey";
}

void SetColumnTag(QTreeWidget* list, int column, const QString& tag) {
    list->headerItem()->setData(column, Qt::UserRole, tag);
}

QString ColumnTag(const QTreeWidget* list, int column) {
    return list->headerItem()->data(column, Qt::UserRole).toString().toUpper();
}

Qt::SortOrder SortOrder(const QTreeWidget* list) {
    return list->property(kOrderProperty).toInt() == Qt::DescendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
}

void SetSortOrder(QTreeWidget* list, Qt::SortOrder order) {
    list->setProperty(kOrderProperty, int(order));
}

int SortKey(const QTreeWidget* list) {
    const QVariant key = list->property(kKeyProperty);
    return key.isValid() ? key.toInt() : -1;
}

void SetSortKey(QTreeWidget* list, int column) {
    list->setProperty(kKeyProperty, column);
}

}

namespace {

std::optional<qint64> dateKey(const QString& text) {
    const QDateTime date = QDateTime::fromString(text.trimmed(), QString::fromLatin1(listsort::kDateFormat));
    if (!date.isValid())
        return std::nullopt;
    return date.toSecsSinceEpoch();
}

std::optional<double> numberKey(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

// Cells without a key come first; keyed cells compare by key.
template <typename Key>
bool keyLess(const std::optional<Key>& left, const std::optional<Key>& right) {
    if (!left || !right)
        return !left && right;
    return *left < *right;
}

}

bool SortableRow::operator<(const QTreeWidgetItem& other) const {
    const QTreeWidget* list = treeWidget();
    const int column = list ? list->sortColumn() : 0;
    const QString left = text(column);
    const QString right = other.text(column);
    const QString kind = list ? listsort::ColumnTag(list, column) : QString();
    if (kind == QLatin1String("DATE"))
        return keyLess(dateKey(left), dateKey(right));
    if (kind == QLatin1String("NUMBER"))
        return keyLess(numberKey(left), numberKey(right));
    return left.compare(right, Qt::CaseInsensitive) < 0;
}

void SortListViewByColumn(QTreeWidget* list, int column) {
    {
        const platform::ScopedWindowUpdateLock locked(list);
        const Qt::SortOrder order =
            listsort::SortOrder(list) == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
        listsort::SetSortOrder(list, order);
        listsort::SetSortKey(list, column);
        list->sortItems(column, order);
    }
    ShowListViewSortIcon(list);
}

void ShowListViewSortIcon(QTreeWidget* list) {
    const int key = listsort::SortKey(list);
    QHeaderView* header = list->header();
    if (key < 0) {
        header->setSortIndicatorShown(false);
        return;
    }
    header->setSortIndicator(key, listsort::SortOrder(list));
    header->setSortIndicatorShown(true);
}

void ClearHeaderSortImage(QTreeWidget* list, int column) {
    if (list->header()->sortIndicatorSection() == column)
        list->header()->setSortIndicatorShown(false);
}
