#include "files/explorer/ExplorerListView.h"

#include "files/explorer/ListViewSort.h"
#include "foundation/controls/SortArrows.h"
#include "foundation/Twips.h"
#include "platform/SettingsStore.h"

#include <QHeaderView>
#include <QMimeData>

namespace {
constexpr int kTwipsRole = Qt::UserRole + 1;
}

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
    setColumnWidth(column, qRound(double(widthTwips) / twips::perPixelX(this)));
    headerItem()->setData(column, kTwipsRole, QList<QVariant>{widthTwips, columnWidth(column)});
}

int ExplorerListView::columnWidthTwips(int column) const {
    const QList<QVariant> applied = headerItem()->data(column, kTwipsRole).toList();
    if (applied.size() == 2 && applied[1].toInt() == columnWidth(column))
        return applied[0].toInt();
    return columnWidth(column) * twips::perPixelX(this);
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

int StoredFirstColumnWidth(const QString& key, int lowerBound) {
    bool ok = false;
    const double stored = platform::GetSetting(QStringLiteral("UISettings"), key, QStringLiteral("2000")).toDouble(&ok);
    const int width = ok ? twips::roundHalfEven(stored) : 2000;
    return width < lowerBound || width > 20000 ? 2000 : width;
}
