#pragma once

#include "aids/SnippetsTree.h"
#include "foundation/controls/DropHighlight.h"

#include <QPoint>
#include <QString>
#include <QWidget>

class QMimeData;
class QPlainTextEdit;
class QTreeWidgetItem;
class Splitter;

// The "Snippets" dock panel: the tree of the Snippets folder (categories,
// then snippets), a preview of the snippet clicked, and the seven snippet
// commands. The tree is filled when the panel is first shown and rebuilt
// from the disk after every change; nothing of it is stored.
class frmSnippets : public QWidget {
    Q_OBJECT
public:
    explicit frmSnippets(QWidget* parent = nullptr);
    ~frmSnippets() override;

    void ListSnippets();
    void RecurseScan(const QString& folderPath, const QString& parentKey);
    // Rebuilds the tree keeping expanded categories expanded and selects
    // the node of the key ("" selects nothing).
    void RefreshTvSnippets(const QString& keyToSelect);
    // "Insert Snippet", "Edit Snippet", "Edit As File", "New Snippet",
    // "Delete Snippet", "Add Category" or "Refresh Snippets"; any other
    // name does nothing.
    void DoMenuCommand(const QString& command);

    // The node of a key, or null.
    QTreeWidgetItem* node(const QString& key) const;
    // Selects a node as a mouse-down on it does (null clears), and
    // previews it as a click does.
    void clickNode(QTreeWidgetItem* item);
    // The data a drag of the node carries, which makes it the dragged node.
    QMimeData* dragNode(QTreeWidgetItem* item);

    SnippetsTree* tvSnippets = nullptr;
    QPlainTextEdit* rtfPreview = nullptr;

    // The drag-and-drop and mouse handlers of the tree.
    void tvSnippets_MouseDown(const QPoint& position);
    void tvSnippets_DblClick();
    void tvSnippets_RightMouseUp();
    void tvSnippets_NodeClick(QTreeWidgetItem* item);
    // The drop effect and drop highlight for data held over a node (null:
    // empty space); a drop of the data on it.
    Qt::DropAction tvSnippets_OLEDragOver(QTreeWidgetItem* over, const QMimeData& data);
    void tvSnippets_OLEDragDrop(QTreeWidgetItem* target, const QMimeData& data);
    void tvSnippets_OLECompleteDrag();

    QTreeWidgetItem* dropHighlight() const { return dropHighlight_.item(); }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QTreeWidgetItem* addNode(const QString& parentKey, const QString& key, const QString& text, const QString& image);
    void setImage(QTreeWidgetItem* item, const QString& image);
    // The folder of New Snippet and Add Category, as a full tree path
    // ("" for the Snippets folder itself).
    QString targetCategoryPath() const;

    void InsertSnippet(QTreeWidgetItem* item);
    void EditSnippet(QTreeWidgetItem* item);
    void EditAsFile(QTreeWidgetItem* item);
    void NewSnippet();
    void DeleteSnippet(QTreeWidgetItem* item);
    void AddCategory();
    void moveDraggedNode(QTreeWidgetItem* target);

    Splitter* splitter_ = nullptr;
    QString draggedKey_;
    QPoint mouseDownAt_;
    DropHighlight dropHighlight_;
    bool filledOnce_ = false;
};

// The one snippets panel while it exists.
frmSnippets* SnippetsPanel();

// Whether a node is a category (image "FolderOpen" or "FolderClosed") or a
// snippet ("File"); its key; its full path (texts from the top, joined by "/").
bool IsCategory(const QTreeWidgetItem* item);
QString NodeKey(const QTreeWidgetItem* item);
QString NodeImage(const QTreeWidgetItem* item);
QString NodeFullPath(const QTreeWidgetItem* item);
