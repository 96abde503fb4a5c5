#pragma once

#include <QTreeWidget>

class frmSnippets;

// The snippets panel's tree: passes its mouse and drag-and-drop events to
// the panel's handlers. Qt scrolls it near its edges during a drag and
// expands a collapsed node held under the pointer for about a second.
class SnippetsTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit SnippetsTree(frmSnippets& panel);

    // The type that carries a dragged node's key besides its plain text.
    static const QString kNodeMimeType;

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
    frmSnippets& panel_;
};
