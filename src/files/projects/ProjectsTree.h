#pragma once

#include <QTreeWidget>

class frmProjectEx;

// The project manager's tree: passes its mouse, key, label-edit and
// drag-and-drop events to the panel's handlers. Qt scrolls it near its
// edges during a drag and expands a collapsed node held under the pointer
// for about a second.
class ProjectsTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit ProjectsTree(frmProjectEx& panel);

    // Starts the tree's own editor on the node's label.
    void editLabel(QTreeWidgetItem* item);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void commitData(QWidget* editor) override;

private:
    void answerDrag(QDragMoveEvent* event);

    frmProjectEx& panel_;
    QString editedKey_;
};
