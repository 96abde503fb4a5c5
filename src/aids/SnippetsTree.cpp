#include "aids/SnippetsTree.h"

#include "aids/frmSnippets.h"

#include <QMimeData>
#include <QMouseEvent>

const QString SnippetsTree::kNodeMimeType = QStringLiteral("application/x-korvo-snippet-node");

SnippetsTree::SnippetsTree(frmSnippets& panel) : PanelTree(&panel) {
    setExpandsOnDoubleClick(true);
    onMouseDown = [&panel](const QPoint& position) { panel.tvSnippets_MouseDown(position); };
    onRightMouseUp = [&panel] { panel.tvSnippets_RightMouseUp(); };
    onDoubleClick = [&panel] { panel.tvSnippets_DblClick(); };
    onStartDrag = [&panel](QTreeWidgetItem* item) { return panel.dragNode(item); };
    dragActions = [](QTreeWidgetItem* item) {
        return IsCategory(item) ? Qt::DropActions(Qt::MoveAction) : Qt::CopyAction | Qt::MoveAction;
    };
    onDragEnded = [&panel] { panel.tvSnippets_OLECompleteDrag(); };
    followsDrag = [](const QMimeData& data) { return data.hasText(); };
    onDragOver = [&panel](QTreeWidgetItem* over, const QMimeData& data) { return panel.tvSnippets_OLEDragOver(over, data); };
    onDrop = [&panel](QTreeWidgetItem* target, const QMimeData& data) { panel.tvSnippets_OLEDragDrop(target, data); };
}

void SnippetsTree::mousePressEvent(QMouseEvent* event) {
    PanelTree::mousePressEvent(event);
    if (!itemAt(event->position().toPoint()))
        setCurrentItem(nullptr);
}
