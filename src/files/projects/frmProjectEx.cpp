#include "files/projects/frmProjectEx.h"

#include "editor/ActiveDocument.h"
#include "files/OpenDocuments.h"
#include "files/Project.h"
#include "files/ProjectFile.h"
#include "files/ProjectLoading.h"
#include "files/ProjectTreeHook.h"
#include "files/frmNewProject.h"
#include "files/fileexplorer/ExplorerIcons.h"
#include "files/fileexplorer/FolderListing.h"
#include "files/projects/ProjectNodes.h"
#include "files/projects/ProjectsTree.h"
#include "foundation/FolderIcons.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/Host.h"
#include "platform/dock/DockLayer.h"
#include "platform/dock/HostLayer.h"

#include <QApplication>
#include <QHash>
#include <QPointer>
#include <QSignalBlocker>
#include <QStyle>

using namespace projects;

namespace {

QPointer<frmProjectEx> gPanel;

const QString kClosedFolder = QStringLiteral("ClosedFolder");
const QString kOpenFolder = QStringLiteral("OpenFolder");
const QString kProject = QStringLiteral("Project");

}

const QString frmProjectEx::kNodeMimeType = QStringLiteral("application/x-korvo-project-node");

frmProjectEx* ProjectsPanel() {
    return gPanel;
}

frmProjectEx::frmProjectEx(QWidget* parent) : QWidget(parent) {
    gPanel = this;
    setObjectName(QStringLiteral("frmProjectEx"));
    setWindowTitle(QStringLiteral("Projects"));
    setMinimumSize(160, 100);
    tvProjects = new ProjectsTree(*this);
    tvProjects->setObjectName(QStringLiteral("tvProjects"));
    tvProjects->setIconSize(QSize(16, 16));
    QStyle* style = QApplication::style();
    imlProjectEx.Add(kClosedFolder, ClosedFolderIcon());
    imlProjectEx.Add(kOpenFolder, OpenFolderIcon());
    imlProjectEx.Add(kProject, style->standardIcon(QStyle::SP_DriveHDIcon));
    SetPopulateTreeView([this](const QString& selectedKey) { PopulateTreeView(selectedKey); });
}

frmProjectEx::~frmProjectEx() {
    Form_QueryUnload();
    if (gPanel == this)
        SetPopulateTreeView(nullptr);
}

void frmProjectEx::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    tvProjects->setGeometry(rect());
}

QTreeWidgetItem* frmProjectEx::node(const QString& key) const {
    if (key.isEmpty())
        return nullptr;
    for (QTreeWidgetItemIterator it(tvProjects); *it; ++it)
        if (NodeKey(*it) == key)
            return *it;
    return nullptr;
}

ProjectPtr frmProjectEx::projectOf(const QTreeWidgetItem* item) const {
    return item ? gProjects.Item(RootParent(item)) : nullptr;
}

void frmProjectEx::setImage(QTreeWidgetItem& item, const QString& image) {
    SetNodeImageKey(item, image);
    item.setIcon(0, imlProjectEx.Icon(imlProjectEx.IndexOf(image)));
}

QTreeWidgetItem* frmProjectEx::addNode(QTreeWidgetItem* parent, const QString& key, const QString& text, const QString& image) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tvProjects);
    item->setText(0, text);
    SetNodeKey(*item, key);
    setImage(*item, image);
    return item;
}

// Categories and files whose parent node is missing (a hand-edited project
// file) go under their project's root, so that the rebuild always finishes.
// Parents are found by key, so the rebuild grows with the nodes, not their square.
void frmProjectEx::PopulateTreeView(const QString& Selekcija) {
    try {
        {
            const QSignalBlocker quiet(tvProjects);
            dropHighlight_.set(nullptr);
            tvProjects->clear();
            for (const ProjectPtr& project : gProjects.NewEnum())
                if (project && !project->SingleFile)
                    addProjectNodes(*project);
        }
        // Showing the selection may open categories: that is recorded as a user's opening is.
        QTreeWidgetItem* selected = node(Selekcija);
        if (!selected)
            selected = tvProjects->topLevelItem(0);
        tvProjects->setCurrentItem(selected);
        if (selected && !Selekcija.isEmpty())
            tvProjects->scrollToItem(selected);
    } catch (...) {
        SetErrorLog(QStringLiteral("PopulateTreeView"), QStringLiteral("frmProjectEx"));
    }
}

void frmProjectEx::addProjectNodes(const ClsProject& project) {
    QTreeWidgetItem* root = addNode(nullptr, project.FullPath, project.Name, kProject);
    root->setExpanded(project.Expanded);
    // The project's own nodes by key; the first of a key wins, as a walk of the tree finds it.
    QHash<QString, QTreeWidgetItem*> own{{project.FullPath, root}};
    const auto add = [&](const QString& treeParent, const QString& key, const QString& text, const QString& image) {
        QTreeWidgetItem* item = addNode(own.value(treeParent, root), key, text, image);
        if (!own.contains(key))
            own.insert(key, item);
        return item;
    };
    for (const FolderPtr& folder : project.Folders.NewEnum())
        add(folder->TreeParent, folder->FullPath, folder->Name, folder->Expanded ? kOpenFolder : kClosedFolder)
            ->setExpanded(folder->Expanded);
    for (const FilePtr& file : project.Files.NewEnum()) {
        const QString type = IconKey(file->Name);
        QTreeWidgetItem* item = add(file->TreeParent, file->TreeParent + QLatin1Char('\\') + file->Name, file->Name, type);
        item->setIcon(0, imlProjectEx.Icon(FileIconIndexAt(MemberDiskPath(project, *file), type, imlProjectEx)));
        SetNodeTag(*item, QStringLiteral("File"));
        if (project.MainFile == file->Name) {
            QFont bold = item->font(0);
            bold.setBold(true);
            item->setFont(0, bold);
        }
    }
}

void frmProjectEx::tvProjects_Expand(QTreeWidgetItem* item, bool expanded) {
    try {
        const ProjectPtr project = projectOf(item);
        if (!project)
            return;
        if (NodeKey(item) != project->FullPath) {
            setImage(*item, expanded ? kOpenFolder : kClosedFolder);
            if (const FolderPtr folder = project->Folders.Item(NodeKey(item)))
                folder->Expanded = expanded;
        } else {
            project->Expanded = expanded;
        }
        project->Dirty = true;
    } catch (...) {
        SetErrorLog(expanded ? QStringLiteral("tvProjects_Expand") : QStringLiteral("tvProjects_Collapse"),
                    QStringLiteral("frmProjectEx"));
    }
}

void frmProjectEx::tvProjects_MouseDown(const QPoint& position) {
    if (QTreeWidgetItem* item = tvProjects->itemAt(position))
        tvProjects->setCurrentItem(item);
}

void frmProjectEx::EnablePopupCommands() {
    QTreeWidgetItem* selected = tvProjects->currentItem();
    const bool any = selected != nullptr;
    const bool category = IsCategoryNode(selected);
    const bool file = IsFileNode(selected);
    platform::Host& host = platform::host();
    for (const char* key : {"Add New File", "Add Existing Files", "Add Folder With Files", "Create Category",
                            "Close This Project", "Save This Project"})
        host.setCommandEnabled(QLatin1String(key), any);
    host.setCommandEnabled(QStringLiteral("Remove Category"), category);
    host.setCommandEnabled(QStringLiteral("Remove File"), file);
    host.setCommandEnabled(QStringLiteral("Rename"), category || file);
    host.setCommandEnabled(QStringLiteral("Set As Main File"), file);
}

void frmProjectEx::tvProjects_RightMouseUp() {
    EnablePopupCommands();
    if (dock::DockLayer* layer = dock::hostLayer())
        layer->showPopup(QStringLiteral("ProjectManagerPopupMenu"));
}

void frmProjectEx::OpenSelectedFile() {
    try {
        QTreeWidgetItem* item = tvProjects->currentItem();
        if (!item || NodeTag(item) != QLatin1String("File"))
            return;
        const ProjectPtr project = projectOf(item);
        const FilePtr file = project ? project->Files.Item(item->text(0)) : nullptr;
        if (!file)
            return;
        const QString path = MemberDiskPath(*project, *file);
        if (platform::host().documentWindow(path))
            platform::host().activateDocumentWindow(path);
        else
            OpenProjectsFile(*project, path, false);
    } catch (...) {
        SetErrorLog(QStringLiteral("TVProjects_DblClick"), QStringLiteral("frmProjectEx"));
    }
}

void frmProjectEx::Form_QueryUnload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    for (const ProjectPtr& project : gProjects.NewEnum())
        if (project && project->Dirty && !project->SingleFile)
            SaveProject(*project);
}

void frmProjectEx::cmdNewProject_Click() {
    ShowNewProjectDialog(platform::host().mainWindow());
    PopulateTreeView(QString());
}

void frmProjectEx::cmdSaveProject_Click() {
    if (const ProjectPtr project = projectOf(tvProjects->currentItem()))
        SaveProject(*project);
}

// Holds the project: closing its documents moves gActiveProject on.
void frmProjectEx::CloseSelectedProject() {
    if (const ProjectPtr project = projectOf(tvProjects->currentItem()))
        CloseProject(*project);
}
