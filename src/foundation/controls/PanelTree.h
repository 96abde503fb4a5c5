#pragma once

#include <QTreeWidget>

#include <functional>

// The tree of a dock panel that drags its nodes and takes drops: it hands
// its mouse and drag-and-drop events to the panel's handlers. Qt scrolls it
// near its edges during a drag and expands a collapsed node held under the
// pointer for about a second.
class PanelTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit PanelTree(QWidget* parent);

    std::function<void(const QPoint& position)> onMouseDown;
    std::function<void()> onRightMouseUp;
    std::function<void()> onDoubleClick;
    // The data a drag of the node carries (null: the node does not move)
    // and the drop actions the drag offers.
    std::function<QMimeData*(QTreeWidgetItem* node)> onStartDrag;
    std::function<Qt::DropActions(QTreeWidgetItem* node)> dragActions;
    std::function<void()> onDragEnded;
    // Whether a drag entering the tree is followed at all.
    std::function<bool(const QMimeData& data)> followsDrag;
    // The effect over a node (null: empty space or the drag left).
    std::function<Qt::DropAction(QTreeWidgetItem* over, const QMimeData& data)> onDragOver;
    std::function<void(QTreeWidgetItem* target, const QMimeData& data)> onDrop;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void answerDrag(QDragMoveEvent* event);
};
