#include "aids/SnippetsTree.h"

#include "aids/frmSnippets.h"

#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

const QString SnippetsTree::kNodeMimeType = QStringLiteral("application/x-korvo-snippet-node");

SnippetsTree::SnippetsTree(frmSnippets& panel) : QTreeWidget(&panel), panel_(panel) {
    setHeaderHidden(true);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DragDrop);
    setAutoScroll(true);
    setAutoExpandDelay(1000);
    setExpandsOnDoubleClick(true);
}

void SnippetsTree::mousePressEvent(QMouseEvent* event) {
    panel_.tvSnippets_MouseDown(event->position().toPoint());
    QTreeWidget::mousePressEvent(event);
    if (!itemAt(event->position().toPoint()))
        setCurrentItem(nullptr);
}

void SnippetsTree::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton)
        panel_.tvSnippets_RightMouseUp();
}

void SnippetsTree::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        panel_.tvSnippets_DblClick();
}

void SnippetsTree::startDrag(Qt::DropActions) {
    QTreeWidgetItem* item = currentItem();
    if (!item)
        return;
    QMimeData* data = panel_.dragNode(item);
    if (!data)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setPixmap(item->icon(0).pixmap(16, 16));
    drag->exec(IsCategory(item) ? Qt::MoveAction : Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
    panel_.tvSnippets_OLECompleteDrag();
}

void SnippetsTree::dragEnterEvent(QDragEnterEvent* event) {
    QTreeWidget::dragEnterEvent(event);
    const Qt::DropAction action = panel_.tvSnippets_OLEDragOver(itemAt(event->position().toPoint()), *event->mimeData());
    event->setDropAction(action);
    event->setAccepted(event->mimeData()->hasText());
}

// Qt's own handling comes first for the scrolling near the edges and the
// expansion of a collapsed node; the panel then decides the effect.
void SnippetsTree::dragMoveEvent(QDragMoveEvent* event) {
    QTreeWidget::dragMoveEvent(event);
    const Qt::DropAction action = panel_.tvSnippets_OLEDragOver(itemAt(event->position().toPoint()), *event->mimeData());
    event->setDropAction(action);
    if (action == Qt::IgnoreAction)
        event->ignore();
    else
        event->accept();
}

void SnippetsTree::dragLeaveEvent(QDragLeaveEvent* event) {
    QTreeWidget::dragLeaveEvent(event);
    panel_.tvSnippets_OLEDragOver(nullptr, QMimeData());
}

void SnippetsTree::dropEvent(QDropEvent* event) {
    panel_.tvSnippets_OLEDragDrop(itemAt(event->position().toPoint()), *event->mimeData());
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
}
