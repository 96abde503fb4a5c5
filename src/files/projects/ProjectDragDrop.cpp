#include "files/projects/frmProjectEx.h"

#include "editor/ActiveDocument.h"
#include "files/Project.h"
#include "files/projects/ProjectNodes.h"
#include "files/projects/ProjectsTree.h"
#include "foundation/FileHelpers.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/Prompt.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

using namespace projects;

namespace {

QString draggedKeyOf(const QMimeData& data) {
    return QString::fromUtf8(data.data(frmProjectEx::kNodeMimeType));
}

bool insideSubtree(const QString& key, const QString& draggedKey) {
    return key == draggedKey || key.startsWith(draggedKey + QLatin1Char('\\'));
}

QStringList droppedFiles(const QMimeData& data) {
    QStringList files;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile())
            files.append(CanonicalPath(url.toLocalFile()));
    return files;
}

}

QMimeData* frmProjectEx::dragNode(QTreeWidgetItem* item) {
    try {
        if (!item)
            return nullptr;
        DragProjectKey = RootParent(item);
        if (NodeKey(item) == DragProjectKey)
            return nullptr;
        auto* data = new QMimeData;
        data->setData(kNodeMimeType, NodeKey(item).toUtf8());
        DragInProgress = true;
        return data;
    } catch (...) {
        SetErrorLog(QStringLiteral("tvProjects_OLEStartDrag"), QStringLiteral("frmProjectEx"));
        return nullptr;
    }
}

Qt::DropAction frmProjectEx::tvProjects_OLEDragOver(QTreeWidgetItem* over, const QMimeData& data) {
    if (!droppedFiles(data).isEmpty()) {
        dropHighlight_.set(over);
        return Qt::CopyAction;
    }
    if (over && DragInProgress && data.hasFormat(kNodeMimeType)) {
        const QString dragged = draggedKeyOf(data);
        if (!NodeKey(over).startsWith(dragged + QLatin1Char('\\')) && RootParent(over) == DragProjectKey) {
            dropHighlight_.set(over);
            return Qt::MoveAction;
        }
    }
    dropHighlight_.set(nullptr);
    return Qt::IgnoreAction;
}

void frmProjectEx::tvProjects_OLEDragDrop(QTreeWidgetItem* target, const QMimeData& data) {
    const QStringList files = droppedFiles(data);
    if (!files.isEmpty() && !target) {
        if (tvProjects->topLevelItemCount() == 0)
            platform::MsgBox(QStringLiteral("You must open or create a project before you can add files"), platform::vbCritical);
        return;
    }
    try {
        if (!files.isEmpty())
            addDroppedFiles(target, files);
        else if (DragInProgress && data.hasFormat(kNodeMimeType))
            moveDraggedNode(target, draggedKeyOf(data));
    } catch (...) {
        SetErrorLog(QStringLiteral("tvProjects_OLEDragDrop"), QStringLiteral("frmProjectEx"));
    }
    DragInProgress = false;
    dropHighlight_.set(nullptr);
}

void frmProjectEx::tvProjects_OLECompleteDrag() {
    DragInProgress = false;
    dropHighlight_.set(nullptr);
}

void frmProjectEx::addDroppedFiles(QTreeWidgetItem* target, const QStringList& files) {
    tvProjects->setCurrentItem(target);
    const ProjectPtr project = projectOf(target);
    CopyToProjectAnswer = 0;
    for (const QString& path : files)
        if (!QFileInfo(path).isDir())
            addAndOpen(path, project);
    PopulateTreeView(NodeKey(target));
}

// A category may not move into its own subtree, out of its project, or
// beside a category of its name.
void frmProjectEx::moveDraggedNode(QTreeWidgetItem* target, const QString& draggedKey) {
    QTreeWidgetItem* dragged = node(draggedKey);
    if (!target || !dragged || NodeKey(target) == draggedKey || RootParent(target) != DragProjectKey)
        return;
    if (!IsCategoryNode(target) && NodeKey(target) != DragProjectKey)
        target = target->parent();
    if (NodeKey(target) == NodeKey(dragged->parent()) || insideSubtree(NodeKey(target), draggedKey))
        return;
    const ProjectPtr project = gProjects.Item(DragProjectKey);
    if (!project)
        return;
    const QString newKey = NodeKey(target) + QLatin1Char('\\') + dragged->text(0);
    if (IsCategoryNode(dragged) && project->Folders.Exist_Key(newKey)) {
        platform::MsgBox(QStringLiteral("Folder named ") + dragged->text(0) + QStringLiteral(" already exists in this category"),
                         platform::vbCritical, QStringLiteral("Invalid name"));
        return;
    }
    project->Dirty = true;
    closeEmptiedParent(dragged, *project);
    dragged->parent()->removeChild(dragged);
    target->addChild(dragged);
    RecurseRebuildNode(dragged, *project);
    PopulateTreeView(newKey);
}

// Children first, then the node: a category's record takes the path that
// newPath gives for its AbsPath and is keyed and sorted again; a file takes
// the one it gives for its PrjFolder. Each failure is logged and the next
// sibling goes on.
void frmProjectEx::rewriteCategoryPaths(QTreeWidgetItem* item, ClsProject& project, const PathRewrite& newPath,
                                        const QString& procedure) {
    try {
        for (int i = 0; i < item->childCount(); ++i)
            rewriteCategoryPaths(item->child(i), project, newPath, procedure);
        if (IsCategoryNode(item)) {
            const FolderPtr folder = project.Folders.Item(NodeKey(item));
            if (!folder)
                return;
            project.Folders.RemoveKey(folder->FullPath);
            folder->AbsPath = newPath(item, folder->AbsPath);
            SetFolderPaths(*folder, project);
            DodajFolderSorted(folder, project);
        } else if (const FilePtr file = project.Files.Item(item->text(0))) {
            file->PrjFolder = newPath(item, file->PrjFolder);
            file->TreeParent = project.FullPath + file->PrjFolder;
        }
    } catch (...) {
        SetErrorLog(procedure, QStringLiteral("frmProjectEx"));
    }
}

void frmProjectEx::RecurseRebuildNode(QTreeWidgetItem* item, ClsProject& project) {
    rewriteCategoryPaths(item, project, [](const QTreeWidgetItem* node, const QString&) {
        return CategoryPath(IsCategoryNode(node) ? node : node->parent());
    }, QStringLiteral("RecurseRebuildNode"));
}

void frmProjectEx::RecurseRenameNode(QTreeWidgetItem* item, const QString& newPath, const QString& oldPath,
                                     ClsProject& project) {
    rewriteCategoryPaths(item, project, [&](const QTreeWidgetItem*, QString path) {
        const qsizetype at = path.indexOf(oldPath);
        return at < 0 ? path : path.replace(at, oldPath.size(), newPath);
    }, QStringLiteral("RecurseRenameNode"));
}

void frmProjectEx::SetAsMainFIle() {
    try {
        QTreeWidgetItem* item = tvProjects->currentItem();
        const ProjectPtr project = projectOf(item);
        if (!project || !IsFileNode(item))
            return;
        project->MainFile = item->text(0);
        PopulateTreeView(QString());
        project->Dirty = true;
    } catch (...) {
        SetErrorLog(QStringLiteral("SetAsMainFIle"), QStringLiteral("frmProjectEx"));
    }
}
