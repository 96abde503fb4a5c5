#include "foundation/controls/PanelTree.h"

#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

PanelTree::PanelTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DragDrop);
    setAutoScroll(true);
    setAutoExpandDelay(1000);
}

void PanelTree::mousePressEvent(QMouseEvent* event) {
    if (onMouseDown)
        onMouseDown(event->position().toPoint());
    QTreeWidget::mousePressEvent(event);
}

void PanelTree::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton && onRightMouseUp)
        onRightMouseUp();
}

void PanelTree::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && onDoubleClick)
        onDoubleClick();
}

void PanelTree::startDrag(Qt::DropActions) {
    QTreeWidgetItem* item = currentItem();
    QMimeData* data = item && onStartDrag ? onStartDrag(item) : nullptr;
    if (!data)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setPixmap(item->icon(0).pixmap(16, 16));
    const Qt::DropActions actions = dragActions ? dragActions(item) : Qt::MoveAction;
    drag->exec(actions, actions.testFlag(Qt::CopyAction) ? Qt::CopyAction : Qt::MoveAction);
    if (onDragEnded)
        onDragEnded();
}

void PanelTree::answerDrag(QDragMoveEvent* event) {
    const Qt::DropAction action =
        onDragOver ? onDragOver(itemAt(event->position().toPoint()), *event->mimeData()) : Qt::IgnoreAction;
    event->setDropAction(action);
    event->setAccepted(action != Qt::IgnoreAction);
}

void PanelTree::dragEnterEvent(QDragEnterEvent* event) {
    QTreeWidget::dragEnterEvent(event);
    answerDrag(event);
    // Refused here, Qt would send no moves: the effect may change over another node.
    event->setAccepted(followsDrag && followsDrag(*event->mimeData()));
}

// Qt's own handling comes first for the scrolling near the edges and the
// expansion of a collapsed node; the panel then decides the effect.
void PanelTree::dragMoveEvent(QDragMoveEvent* event) {
    QTreeWidget::dragMoveEvent(event);
    answerDrag(event);
}

void PanelTree::dragLeaveEvent(QDragLeaveEvent* event) {
    QTreeWidget::dragLeaveEvent(event);
    if (onDragOver)
        onDragOver(nullptr, QMimeData());
}

void PanelTree::dropEvent(QDropEvent* event) {
    if (onDrop)
        onDrop(itemAt(event->position().toPoint()), *event->mimeData());
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
}
