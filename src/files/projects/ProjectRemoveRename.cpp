#include "files/projects/frmProjectEx.h"

#include "editor/ActiveDocument.h"
#include "editor/DocumentWindows.h"
#include "files/DiskFiles.h"
#include "files/OpenDocuments.h"
#include "files/Project.h"
#include "files/projects/ProjectNodes.h"
#include "files/projects/ProjectsTree.h"
#include "foundation/FileHelpers.h"
#include "foundation/errors/ErrorLog.h"
#include "language/parser/DocumentPasses.h"
#include "platform/Host.h"
#include "platform/Prompt.h"

#include <QPointer>

using namespace projects;

namespace {

const QString kInvalidName = QStringLiteral("Invalid name");

frmDoc* memberDocument(const ClsProject& project, const QString& path) {
    return project.Sources.Item(path);
}

// Takes the document's declarations out of the model and closes its window;
// a save question answered Cancel keeps it open, parsed as before.
bool closeMemberDocument(frmDoc* doc) {
    if (!doc)
        return true;
    QPointer<frmDoc> guard(doc);
    const QString key = doc->FullFilename;
    ActivateDocumentWindow(*doc);
    UnParseFile();
    if (platform::host().hideDocumentWindow(key) || !guard)
        return true;
    ActivateDocumentWindow(*guard);
    ParseFile();
    platform::host().refreshCodeExplorer();
    return false;
}

// A member leaving its project takes the main file's name with it.
void forgetMember(ClsProject& project, const QString& name) {
    project.Files.RemoveKey(name);
    if (project.MainFile.compare(name, Qt::CaseInsensitive) == 0)
        project.MainFile.clear();
}

}

void frmProjectEx::RecurseDeleteNode(QTreeWidgetItem* item, ClsProject& project) {
    try {
        for (int i = 0; i < item->childCount(); ++i)
            RecurseDeleteNode(item->child(i), project);
        if (IsCategoryNode(item))
            project.Folders.RemoveKey(NodeKey(item));
        else
            forgetMember(project, item->text(0));
    } catch (...) {
        SetErrorLog(QStringLiteral("RecurseDeleteNode"), QStringLiteral("frmProjectEx"));
    }
}

void frmProjectEx::closeEmptiedParent(QTreeWidgetItem* item, ClsProject& project) {
    QTreeWidgetItem* parent = item ? item->parent() : nullptr;
    if (!parent || parent->childCount() != 1 || !IsCategoryNode(parent))
        return;
    setImage(*parent, QStringLiteral("ClosedFolder"));
    if (const FolderPtr folder = project.Folders.Item(NodeKey(parent)))
        folder->Expanded = false;
}

void frmProjectEx::cmdRemoveCat_Click() {
    try {
        QTreeWidgetItem* item = tvProjects->currentItem();
        const ProjectPtr project = projectOf(item);
        if (!project || !IsCategoryNode(item))
            return;
        if (item->childCount() > 0 &&
            platform::MsgBox(QStringLiteral("Are you sure you want to remove all files and subcategories ?"),
                             platform::vbYesNo | platform::vbQuestion, QStringLiteral("Warning")) == platform::vbNo)
            return;
        RecurseDeleteNode(item, *project);
        closeEmptiedParent(item, *project);
        delete item;
        project->Dirty = true;
    } catch (...) {
        SetErrorLog(QStringLiteral("cmdRemoveCat_Click"), QStringLiteral("frmProjectEx"));
    }
}

void frmProjectEx::cmdRemoveFile_Click() {
    try {
        QTreeWidgetItem* item = tvProjects->currentItem();
        const ProjectPtr project = projectOf(item);
        if (!project || !IsFileNode(item))
            return;
        const QString name = item->text(0);
        const FilePtr file = project->Files.Item(name);
        if (!file)
            return;
        const QString path = MemberDiskPath(*project, *file);
        const QString key = NodeKey(item);
        if (!closeMemberDocument(memberDocument(*project, path)))
            return;
        forgetMember(*project, name);
        project->Sources.RemoveKey(path);
        if (QTreeWidgetItem* still = node(key)) {
            closeEmptiedParent(still, *project);
            delete still;
        }
        project->Dirty = true;
    } catch (...) {
        SetErrorLog(QStringLiteral("cmdRemoveFile_Click"), QStringLiteral("frmProjectEx"));
    }
}

void frmProjectEx::cmdRenameFile_Click() {
    tvProjects->editLabel(tvProjects->currentItem());
}

bool frmProjectEx::tvProjects_AfterLabelEdit(QTreeWidgetItem* item, const QString& newText) {
    try {
        if (!item || newText.isEmpty() || newText == item->text(0))
            return false;
        const ProjectPtr project = projectOf(item);
        if (!project || IsProjectNode(item))
            return false;
        project->Dirty = true;
        return IsCategoryNode(item) ? renameCategory(item, newText, *project) : renameFile(item, newText, *project);
    } catch (...) {
        SetErrorLog(QStringLiteral("tvProjects_AfterLabelEdit"), QStringLiteral("frmProjectEx"));
        return false;
    }
}

bool frmProjectEx::renameCategory(QTreeWidgetItem* item, const QString& newText, ClsProject& project) {
    if (newText.contains(QLatin1Char('\\')) || newText.contains(QLatin1Char('/'))) {
        platform::MsgBox(QStringLiteral("Invalid category name: ") + newText, platform::vbExclamation);
        return false;
    }
    const QString newKey = NodeKey(item->parent()) + QLatin1Char('\\') + newText;
    if (project.Folders.Exist_Key(newKey)) {
        platform::MsgBox(QStringLiteral("Folder named ") + newText + QStringLiteral(" already exists in this category"),
                         platform::vbCritical, kInvalidName);
        return false;
    }
    const qsizetype n = project.FullPath.size();
    RecurseRenameNode(item, newKey.mid(n), NodeKey(item).mid(n), project);
    PopulateTreeView(QString());
    return true;
}

bool frmProjectEx::renameFile(QTreeWidgetItem* item, const QString& newText, ClsProject& project) {
    if (project.Files.Exist_Key(newText)) {
        platform::MsgBox(QStringLiteral("File named ") + newText + QStringLiteral(" already exists in this project"),
                         platform::vbCritical, kInvalidName);
        return false;
    }
    if (newText.contains(QLatin1Char('\\'))) {
        platform::MsgBox(QStringLiteral("Invalid file name: ") + newText, platform::vbExclamation);
        return false;
    }
    const QString oldName = item->text(0);
    const FilePtr file = project.Files.Item(oldName);
    if (!file)
        return false;
    const QString oldPath = MemberDiskPath(project, *file);
    const QString newPath = GetFolderOfPath(oldPath, true) + newText;
    if (!RenameDiskFile(oldPath, newText))
        return false;
    RenameMember(project, oldName, file->AbsPath.left(file->AbsPath.lastIndexOf(QLatin1Char('\\')) + 1) + newText);
    if (frmDoc* doc = memberDocument(project, oldPath)) {
        platform::host().setDocumentWindowKey(oldPath, newPath);
        doc->FullFilename = newPath;
        doc->setFilename(newText);
        project.Sources.RemoveKey(oldPath);
        project.Sources.Add(doc, newPath);
    }
    UpdateVarFileNames(project.Model, oldName, newText);
    platform::host().refreshCodeExplorer();
    return true;
}
