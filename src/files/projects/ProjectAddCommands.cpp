#include "files/projects/frmProjectEx.h"

#include "files/DiskFiles.h"
#include "files/OpenDocuments.h"
#include "files/Project.h"
#include "files/projects/ProjectNodes.h"
#include "files/projects/ProjectsTree.h"
#include "foundation/FileHelpers.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/Host.h"
#include "platform/KorvoError.h"
#include "platform/Prompt.h"

#include <QFile>

using namespace projects;

namespace {

const QString kBlitzFilter = QStringLiteral("Blitz Basic File (*.bb)");

void exclamation(const QString& text, const QString& title = QString()) {
    platform::MsgBox(text, platform::vbExclamation, title);
}

bool askSelectProjectFirst(const QTreeWidgetItem* selected) {
    if (selected)
        return true;
    platform::MsgBox(QStringLiteral("     Select a project first     "), platform::vbInformation);
    return false;
}

// Outside the project folder a file may only come in as a copy in the
// folder itself; the question is asked once a batch. False when refused.
bool takeIntoProjectFolder(QString& filename, const ClsProject& project, int& answer) {
    if (filename.startsWith(project.Path))
        return true;
    if (answer == 0)
        answer = platform::MsgBox(QStringLiteral("Project Files must be in the project's (sub)folder !\r\n"
                                                 "Do you want to allow Korvo to copy files to the project's folder now ?"),
                                  platform::vbYesNo | platform::vbQuestion, QStringLiteral("Invalid file location"));
    if (answer != platform::vbYes)
        return false;
    const QString name = GetFileName(filename);
    const QString copy = project.Path + name;
    if (PathExists(copy)) {
        exclamation(QStringLiteral("File ") + name + QStringLiteral(" already exists in the project's folder !"));
        return false;
    }
    if (!QFile::copy(filename, copy))
        RaiseError(ErrPathFileAccess, QStringLiteral("Path/File access error"));
    filename = copy;
    return true;
}

bool openInAnyWindow(const QString& filename) {
    if (platform::host().documentWindowId(filename).isEmpty())
        return false;
    exclamation(QStringLiteral("This file is already opened in Korvo as single file or as part of another project:\r\n") +
                    filename + QStringLiteral("\r\nClose this file before adding it to the project..."),
                QStringLiteral("File could not be added to the project"));
    return true;
}

}

QTreeWidgetItem* frmProjectEx::addTarget() const {
    QTreeWidgetItem* selected = tvProjects->currentItem();
    return IsFileNode(selected) ? selected->parent() : selected;
}

void frmProjectEx::expandTarget(QTreeWidgetItem* target, ClsProject& project) {
    if (IsCategoryNode(target)) {
        if (const FolderPtr folder = project.Folders.Item(NodeKey(target)))
            folder->Expanded = true;
    } else {
        project.Expanded = true;
    }
}

bool frmProjectEx::AddFileToProject(QString& Filename) {
    try {
        QTreeWidgetItem* target = addTarget();
        const ProjectPtr project = projectOf(target);
        if (!project)
            return false;
        // The project file keeps paths with "\", which a Linux name may hold.
        const QString ownName = Filename.mid(Filename.lastIndexOf(QLatin1Char('/')) + 1);
        if (ownName.contains(QLatin1Char('\\'))) {
            exclamation(QStringLiteral("Invalid file name: ") + ownName);
            return false;
        }
        if (!takeIntoProjectFolder(Filename, *project, CopyToProjectAnswer) || openInAnyWindow(Filename))
            return false;
        auto file = std::make_shared<clsFile>();
        file->AbsPath = Filename.mid(project->Path.size() - 1).replace(QLatin1Char('/'), QLatin1Char('\\'));
        file->Name = GetFileName(Filename);
        DodajFileSorted(file, *project);
        if (project->Files.LastError != 0) {
            project->Files.LastError = 0;
            exclamation(QStringLiteral("File ") + file->Name + QStringLiteral(" already exists in this project"));
            return false;
        }
        expandTarget(target, *project);
        file->PrjFolder = CategoryPath(target);
        file->TreeParent = project->FullPath + file->PrjFolder;
        project->Dirty = true;
        return true;
    } catch (...) {
        SetErrorLog(QStringLiteral("AddFileToProject"), QStringLiteral("frmProjectEx"));
        return false;
    }
}

void frmProjectEx::addAndOpen(QString path, const ProjectPtr& project) {
    if (!AddFileToProject(path))
        return;
    OpenProjectsFile(*project, path, false);
    project->Dirty = true;
}

void frmProjectEx::cmdAddExisFile_Click() {
    try {
        QTreeWidgetItem* selected = tvProjects->currentItem();
        if (!askSelectProjectFirst(selected))
            return;
        const ProjectPtr project = projectOf(selected);
        const QStringList paths =
            platform::chooseOpenFiles(QStringLiteral("Select file(s) to add to project..."), project->Path, kBlitzFilter);
        if (paths.isEmpty())
            return;
        const QString selectedKey = NodeKey(selected);
        CopyToProjectAnswer = 0;
        for (const QString& path : paths)
            addAndOpen(CanonicalPath(path), project);
        PopulateTreeView(selectedKey);
    } catch (...) {
        SetErrorLog(QStringLiteral("cmdAddExisFile_Click"), QStringLiteral("frmProjectEx"));
    }
}

void frmProjectEx::cmdAddNewFile_Click() {
    try {
        QTreeWidgetItem* selected = tvProjects->currentItem();
        if (!askSelectProjectFirst(selected))
            return;
        const QString name = platform::InputBox(QStringLiteral("Enter name for the new file..."),
                                                QStringLiteral("New project file"), QStringLiteral("New"));
        if (name.isEmpty())
            return;
        const ProjectPtr project = projectOf(selected);
        const QString selectedKey = NodeKey(selected);
        std::optional<QString> path;
        for (;;) {
            path = platform::chooseSaveFile(QStringLiteral("Save File ..."), project->Path + name, kBlitzFilter);
            if (!path)
                return;
            if (!path->startsWith(project->Path))
                exclamation(QStringLiteral("Project Files must be saved in the project's (sub)folder !"));
            else if (PathExists(*path))
                exclamation(*path + QStringLiteral(" already exists !"));
            else
                break;
        }
        if (!CreateEmptyFile(*path))
            return;
        addAndOpen(*path, project);
        PopulateTreeView(selectedKey);
    } catch (...) {
        SetErrorLog(QStringLiteral("cmdAddNewFile_Click"), QStringLiteral("frmProjectEx"));
    }
}

void frmProjectEx::cmdCreateFolder_Click() {
    try {
        const QString name = platform::InputBox(QStringLiteral("Enter name for the new category..."),
                                                QStringLiteral("Create new category"));
        if (name.isEmpty())
            return;
        if (!tvProjects->currentItem()) {
            platform::MsgBox(QStringLiteral("     Select an item first     "), platform::vbInformation);
            return;
        }
        // A separator in the name would give a category without a parent.
        if (name.contains(QLatin1Char('\\')) || name.contains(QLatin1Char('/'))) {
            exclamation(QStringLiteral("Invalid category name: ") + name);
            return;
        }
        QTreeWidgetItem* target = addTarget();
        const ProjectPtr project = projectOf(target);
        auto folder = std::make_shared<clsFolder>();
        folder->AbsPath = CategoryPath(target) + QLatin1Char('\\') + name;
        SetFolderPaths(*folder, *project);
        DodajFolderSorted(folder, *project);
        if (project->Folders.LastError == 0) {
            expandTarget(target, *project);
            PopulateTreeView(NodeKey(target));
        } else {
            project->Folders.LastError = 0;
            exclamation(QStringLiteral("Folder with this name already exists "));
        }
        project->Dirty = true;
    } catch (...) {
        SetErrorLog(QStringLiteral("cmdCreateFolder_Click"), QStringLiteral("frmProjectEx"));
    }
}
