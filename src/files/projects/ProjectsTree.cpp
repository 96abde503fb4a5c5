#include "files/projects/ProjectsTree.h"

#include "files/projects/ProjectNodes.h"
#include "files/projects/frmProjectEx.h"

#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

ProjectsTree::ProjectsTree(frmProjectEx& panel) : QTreeWidget(&panel), panel_(panel) {
    setHeaderHidden(true);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DragDrop);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAutoScroll(true);
    setAutoExpandDelay(1000);
    connect(this, &QTreeWidget::itemExpanded, &panel, [&panel](QTreeWidgetItem* item) { panel.tvProjects_Expand(item, true); });
    connect(this, &QTreeWidget::itemCollapsed, &panel, [&panel](QTreeWidgetItem* item) { panel.tvProjects_Expand(item, false); });
}

void ProjectsTree::editLabel(QTreeWidgetItem* item) {
    if (!item)
        return;
    editedKey_ = projects::NodeKey(item);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    scrollToItem(item);
    editItem(item);
}

// The handler may rebuild the whole tree, which must not happen while the
// view is still closing its editor: it runs right after.
void ProjectsTree::commitData(QWidget* editor) {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line)
        return;
    const QString key = editedKey_;
    const QString text = line->text();
    QPointer<frmProjectEx> panel(&panel_);
    QTimer::singleShot(0, &panel_, [panel, key, text] {
        if (!panel)
            return;
        QTreeWidgetItem* item = panel->node(key);
        if (item && panel->tvProjects_AfterLabelEdit(item, text))
            if (QTreeWidgetItem* renamed = panel->node(key))
                renamed->setText(0, text);
    });
}

void ProjectsTree::mousePressEvent(QMouseEvent* event) {
    panel_.tvProjects_MouseDown(event->position().toPoint());
    QTreeWidget::mousePressEvent(event);
}

void ProjectsTree::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton)
        panel_.tvProjects_RightMouseUp();
}

void ProjectsTree::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        panel_.OpenSelectedFile();
}

void ProjectsTree::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        panel_.OpenSelectedFile();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void ProjectsTree::startDrag(Qt::DropActions) {
    QTreeWidgetItem* item = currentItem();
    QMimeData* data = panel_.dragNode(item);
    if (!data)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setPixmap(item->icon(0).pixmap(16, 16));
    drag->exec(Qt::MoveAction);
    panel_.tvProjects_OLECompleteDrag();
}

void ProjectsTree::answerDrag(QDragMoveEvent* event) {
    const Qt::DropAction action = panel_.tvProjects_OLEDragOver(itemAt(event->position().toPoint()), *event->mimeData());
    event->setDropAction(action);
    event->setAccepted(action != Qt::IgnoreAction);
}

void ProjectsTree::dragEnterEvent(QDragEnterEvent* event) {
    QTreeWidget::dragEnterEvent(event);
    answerDrag(event);
    // Refused here, Qt would send no moves: the effect may change over another node.
    if (event->mimeData()->hasUrls() || event->mimeData()->hasFormat(frmProjectEx::kNodeMimeType))
        event->accept();
}

// Qt's own handling comes first for the scrolling near the edges and the
// expansion of a collapsed node; the panel then decides the effect.
void ProjectsTree::dragMoveEvent(QDragMoveEvent* event) {
    QTreeWidget::dragMoveEvent(event);
    answerDrag(event);
}

void ProjectsTree::dragLeaveEvent(QDragLeaveEvent* event) {
    QTreeWidget::dragLeaveEvent(event);
    panel_.tvProjects_OLEDragOver(nullptr, QMimeData());
}

void ProjectsTree::dropEvent(QDropEvent* event) {
    panel_.tvProjects_OLEDragDrop(itemAt(event->position().toPoint()), *event->mimeData());
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
}
