#include "explorer/CodeListView.h"

#include "foundation/controls/ColumnTwips.h"

#include <QHeaderView>

#include <algorithm>

namespace {
int compareNames(const QString& a, const QString& b) {
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded : a.compare(b);
}
}

CodeListItem::CodeListItem(const QStringList& texts)
    : QTreeWidgetItem(texts), name_(texts.value(0)), file_(texts.value(1)), line_(texts.value(2)) {}

CodeListView::CodeListView(const QString& name, const QStringList& headers, const QIcon& icon, QWidget* parent)
    : QTreeWidget(parent), icon_(icon) {
    setObjectName(name);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setColumnCount(int(headers.size()));
    setHeaderLabels(headers);
    header()->setStretchLastSection(false);
    header()->setSectionsClickable(false);
}

void CodeListView::setColumnWidthTwips(int column, int widthTwips) {
    if (column < 0 || column >= columnCount())
        return;
    setColumnHidden(column, widthTwips <= 0);
    if (widthTwips <= 0)
        return;
    SetColumnWidthTwips(*this, column, widthTwips);
}

int CodeListView::columnWidthTwips(int column) const {
    if (column < 0 || column >= columnCount() || isColumnHidden(column))
        return 0;
    return ColumnWidthTwips(*this, column);
}

void CodeListView::setOrderColumn(int column) {
    if (orderColumn_ == column)
        return;
    orderColumn_ = column;
    reorder();
}

CodeListItem* CodeListView::at(int index) const {
    return static_cast<CodeListItem*>(topLevelItem(index));
}

CodeListItem* CodeListView::find(const ExplorerKey& key) const {
    return byKey_.value(key);
}

CodeListItem* CodeListView::selectedRow() const {
    const QList<QTreeWidgetItem*> rows = selectedItems();
    return rows.isEmpty() ? nullptr : static_cast<CodeListItem*>(rows.first());
}

CodeListItem* CodeListView::newRow(const QStringList& texts) const {
    auto* row = new CodeListItem(texts);
    row->setIcon(0, icon_);
    return row;
}

bool CodeListView::precedes(const CodeListItem& a, const CodeListItem& b) const {
    if (orderColumn_ == 2) {
        const int byLine = a.line().compare(b.line());
        if (byLine != 0)
            return byLine < 0;
    }
    return compareNames(a.name(), b.name()) < 0;
}

void CodeListView::addRows(const QList<CodeListItem*>& rows) {
    if (rows.isEmpty())
        return;
    QList<CodeListItem*> all = takeAll();
    all.append(rows);
    for (CodeListItem* row : rows)
        if (row->keyed())
            byKey_.insert(row->key(), row);
    std::stable_sort(all.begin(), all.end(), [this](const CodeListItem* a, const CodeListItem* b) { return precedes(*a, *b); });
    addTopLevelItems(QList<QTreeWidgetItem*>(all.begin(), all.end()));
}

void CodeListView::insertRow(CodeListItem* row) {
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (precedes(*row, *at(middle)))
            high = middle;
        else
            low = middle + 1;
    }
    insertTopLevelItem(low, row);
    if (row->keyed())
        byKey_.insert(row->key(), row);
}

void CodeListView::removeRow(CodeListItem* row) {
    if (row->keyed() && byKey_.value(row->key()) == row)
        byKey_.remove(row->key());
    delete row;
}

void CodeListView::clearRows() {
    byKey_.clear();
    clear();
}

QList<CodeListItem*> CodeListView::takeAll() {
    QList<CodeListItem*> rows;
    for (QTreeWidgetItem* row : invisibleRootItem()->takeChildren())
        rows.append(static_cast<CodeListItem*>(row));
    return rows;
}

void CodeListView::reorder() {
    CodeListItem* selected = selectedRow();
    const QList<CodeListItem*> rows = takeAll();
    byKey_.clear();
    addRows(rows);
    if (selected)
        selected->setSelected(true);
}
