#include "files/fileexplorer/ExplorerListView.h"

#include "files/fileexplorer/ListViewSort.h"
#include "foundation/controls/ColumnTwips.h"
#include "foundation/controls/SortArrows.h"

#include <QHeaderView>
#include <QMimeData>

ExplorerListView::ExplorerListView(const QString& name, QWidget* parent) : QTreeWidget(parent) {
    setObjectName(name);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setAllColumnsShowFocus(true);
    header()->setSectionsClickable(true);
    header()->setStretchLastSection(false);
    UseKorvoSortArrows(header());
    connect(header(), &QHeaderView::sectionClicked, this, [this](int column) { SortListViewByColumn(this, column); });
}

void ExplorerListView::setColumns(std::initializer_list<Column> columns) {
    setColumnCount(int(columns.size()));
    int i = 0;
    for (const Column& column : columns) {
        headerItem()->setText(i, QString::fromLatin1(column.header));
        headerItem()->setTextAlignment(i, column.rightAligned ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
        listsort::SetColumnTag(this, i, QString::fromLatin1(column.tag));
        setColumnWidthTwips(i, column.widthTwips);
        ++i;
    }
}

void ExplorerListView::setColumnWidthTwips(int column, int widthTwips) {
    SetColumnWidthTwips(*this, column, widthTwips);
}

int ExplorerListView::columnWidthTwips(int column) const {
    return ColumnWidthTwips(*this, column);
}

QTreeWidgetItem* ExplorerListView::addRow(const QStringList& texts) {
    auto* row = new SortableRow(this, texts);
    for (int i = 0; i < columnCount(); ++i)
        row->setTextAlignment(i, Qt::Alignment(headerItem()->textAlignment(i)));
    return row;
}

QList<QTreeWidgetItem*> ExplorerListView::selectedRows() const {
    QList<QTreeWidgetItem*> rows;
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (topLevelItem(i)->isSelected())
            rows.append(topLevelItem(i));
    return rows;
}

void ExplorerListView::allowNameDrags() {
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
}

QStringList ExplorerListView::mimeTypes() const {
    return {QStringLiteral("text/plain")};
}

QMimeData* ExplorerListView::mimeData(const QList<QTreeWidgetItem*>& items) const {
    const QTreeWidgetItem* focused = currentItem() ? currentItem() : items.value(0);
    if (!focused)
        return nullptr;
    auto* data = new QMimeData;
    data->setText(focused->text(0));
    return data;
}
