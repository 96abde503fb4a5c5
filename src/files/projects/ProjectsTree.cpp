#include "files/projects/ProjectsTree.h"

#include "files/projects/ProjectNodes.h"
#include "files/projects/frmProjectEx.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QTimer>

ProjectsTree::ProjectsTree(frmProjectEx& panel) : PanelTree(&panel), panel_(panel) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QTreeWidget::itemExpanded, &panel, [&panel](QTreeWidgetItem* item) { panel.tvProjects_Expand(item, true); });
    connect(this, &QTreeWidget::itemCollapsed, &panel, [&panel](QTreeWidgetItem* item) { panel.tvProjects_Expand(item, false); });
    onMouseDown = [&panel](const QPoint& position) { panel.tvProjects_MouseDown(position); };
    onRightMouseUp = [&panel] { panel.tvProjects_RightMouseUp(); };
    onDoubleClick = [&panel] { panel.OpenSelectedFile(); };
    onStartDrag = [&panel](QTreeWidgetItem* item) { return panel.dragNode(item); };
    onDragEnded = [&panel] { panel.tvProjects_OLECompleteDrag(); };
    followsDrag = [](const QMimeData& data) { return data.hasUrls() || data.hasFormat(frmProjectEx::kNodeMimeType); };
    onDragOver = [&panel](QTreeWidgetItem* over, const QMimeData& data) { return panel.tvProjects_OLEDragOver(over, data); };
    onDrop = [&panel](QTreeWidgetItem* target, const QMimeData& data) { panel.tvProjects_OLEDragDrop(target, data); };
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

void ProjectsTree::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        panel_.OpenSelectedFile();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}
