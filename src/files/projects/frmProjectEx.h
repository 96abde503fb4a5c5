#pragma once

#include "foundation/FileIcons.h"
#include "foundation/controls/DropHighlight.h"

#include <QHash>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class ClsProject;
class ProjectsTree;
class QMimeData;
class QTreeWidgetItem;
using ProjectPtr = std::shared_ptr<ClsProject>;

// The "Projects" dock panel: every open project (single files aside) as a
// tree of its categories and member files, and the commands that add,
// create, move, rename and remove them. The tree is a view of gProjects,
// rebuilt whole by PopulateTreeView after every change of structure.
class frmProjectEx : public QWidget {
    Q_OBJECT
public:
    explicit frmProjectEx(QWidget* parent = nullptr);
    ~frmProjectEx() override;

    ProjectsTree* tvProjects = nullptr;
    // Images by key: "ClosedFolder", "OpenFolder", "Project", then one per
    // file type met (".BB", "Empty"), and one per look of ".EXE" and ".ICO" files.
    ImageList imlProjectEx;
    // The answer to the copy question within the current batch of files:
    // 0 not asked yet, else vbYes or vbNo.
    int CopyToProjectAnswer = 0;

    // Rebuilds the tree from gProjects and selects the node keyed Selekcija;
    // with "" the first node when none is selected.
    void PopulateTreeView(const QString& Selekcija);
    // The node of a key, or null.
    QTreeWidgetItem* node(const QString& key) const;
    // The project of a node; null for no node.
    ProjectPtr projectOf(const QTreeWidgetItem* node) const;

    // Adds one file to the selected node's project under the add target;
    // Filename comes back holding the copy's path when the file was copied
    // into the project folder. The tree is the caller's to rebuild.
    bool AddFileToProject(QString& Filename);

    // The commands of the popup "ProjectManagerPopupMenu".
    void cmdAddExisFile_Click();
    void cmdAddNewFile_Click();
    void cmdCreateFolder_Click();
    void cmdNewProject_Click();
    void cmdSaveProject_Click();
    void cmdRemoveCat_Click();
    void cmdRemoveFile_Click();
    void cmdRenameFile_Click();
    void SetAsMainFIle();
    void CloseSelectedProject();

    // The end of a label edit with the new text; false refuses it and the
    // node keeps its old text (which the caller puts back).
    bool tvProjects_AfterLabelEdit(QTreeWidgetItem* item, const QString& newText);

    // Category paths of a moved, renamed or removed subtree, children first,
    // in the node's project.
    void RecurseRebuildNode(QTreeWidgetItem* item, ClsProject& project);
    void RecurseRenameNode(QTreeWidgetItem* item, const QString& newPath, const QString& oldPath, ClsProject& project);
    void RecurseDeleteNode(QTreeWidgetItem* item, ClsProject& project);

    // The tree's events.
    void tvProjects_Expand(QTreeWidgetItem* item, bool expanded);
    void tvProjects_MouseDown(const QPoint& position);
    void tvProjects_RightMouseUp();
    // A double click or Enter: the selected file's document becomes active,
    // opened again when its window was closed.
    void OpenSelectedFile();
    // The data a drag of the node carries; null for a project root.
    QMimeData* dragNode(QTreeWidgetItem* item);
    Qt::DropAction tvProjects_OLEDragOver(QTreeWidgetItem* over, const QMimeData& data);
    void tvProjects_OLEDragDrop(QTreeWidgetItem* target, const QMimeData& data);
    void tvProjects_OLECompleteDrag();

    // Saves every changed project, without asking; runs once.
    void Form_QueryUnload();

    // Sets the enabled state of the popup's commands from the selection.
    void EnablePopupCommands();

    // The Korvo-private type under which a node drag carries its key.
    static const QString kNodeMimeType;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const QString& key, const QString& text, const QString& image);
    // The project's nodes, each also entered under its key in nodes unless the key is there.
    void addProjectNodes(const ClsProject& project);
    void setImage(QTreeWidgetItem& item, const QString& image);
    // The selected node, or its parent when it is a file.
    QTreeWidgetItem* addTarget() const;
    void expandTarget(QTreeWidgetItem* target, ClsProject& project);
    // The parent category shows closed when its last child leaves.
    void closeEmptiedParent(QTreeWidgetItem* item, ClsProject& project);
    void addAndOpen(QString path, const ProjectPtr& project);
    using PathRewrite = std::function<QString(const QTreeWidgetItem* node, const QString& path)>;
    void rewriteCategoryPaths(QTreeWidgetItem* item, ClsProject& project, const PathRewrite& newPath,
                              const QString& procedure);
    void moveDraggedNode(QTreeWidgetItem* target, const QString& draggedKey);
    void addDroppedFiles(QTreeWidgetItem* target, const QStringList& files);
    bool renameCategory(QTreeWidgetItem* item, const QString& newText, ClsProject& project);
    bool renameFile(QTreeWidgetItem* item, const QString& newText, ClsProject& project);

    bool DragInProgress = false;
    QString DragProjectKey;
    DropHighlight dropHighlight_;
    bool unloaded_ = false;
};

// The one project manager panel while it exists; null before the main
// window made it (and in tools that make none).
frmProjectEx* ProjectsPanel();
