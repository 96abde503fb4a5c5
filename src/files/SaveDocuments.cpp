#include "files/SaveDocuments.h"

#include "editor/ActiveDocument.h"
#include "editor/DocumentWindows.h"
#include "editor/SciWrappers.h"
#include "editor/WaitCursor.h"
#include "files/Backups.h"
#include "files/EditorParameters.h"
#include "files/FileParameters.h"
#include "files/OpenDocuments.h"
#include "files/Project.h"
#include "files/ProjectTreeHook.h"
#include "files/RecentFilesProjects.h"
#include "files/SaveFailure.h"
#include "foundation/FileHelpers.h"
#include "foundation/errors/ErrorLog.h"
#include "language/parser/DocumentPasses.h"
#include "platform/AnsiText.h"
#include "platform/AtomicFileWrite.h"
#include "platform/Host.h"
#include "platform/FileStamp.h"
#include "platform/Prompt.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "vocabulary/SettingsValues.h"

#include <QTimer>

namespace {

ProjectPtr projectOf(const frmDoc& doc) {
    return gProjects.Item(doc.PrjFullPath);
}

// The text and block of the document, written in one piece.
bool writeDocument(frmDoc& doc, const QString& path, bool withBlock) {
    ScopedCurrentView current(doc);
    const ProjectPtr project = projectOf(doc);
    const QByteArray text = SciGetAllText(doc.SciEdi_WndData);
    const QByteArray block = withBlock ? GetFileParameters(project.get(), LineEndOf(text)) : QByteArray();
    WaitCursorScope hourglass;
    return platform::writeFileBytesAtomically(path, text + block);
}

// Another program wrote the file since Korvo read or wrote it: the user
// chooses between overwriting it, reloading it (later, once the caller is
// done with the document) and not saving, which is what happens when
// nobody answers. A file that is gone is written again without a question.
bool mayOverwrite(frmDoc& doc) {
    const platform::FileStamp now = platform::fileStampOf(doc.FullFilename);
    if (!now.exists || !doc.DiskStamp.exists || now == doc.DiskStamp)
        return true;
    const int answer = platform::MsgBox(
        QStringLiteral("The file ") + doc.FullFilename +
            QStringLiteral(" has been changed by another program since Korvo loaded or saved it.\r\n\r\n") +
            QStringLiteral("Yes: overwrite it with the text in Korvo.\r\n") +
            QStringLiteral("No: reload it from disk and lose the changes made in Korvo.\r\n") +
            QStringLiteral("Cancel: do not save it now."),
        platform::vbYesNoCancel | platform::vbExclamation | platform::vbDefaultButton3,
        QStringLiteral("File changed on disk"));
    if (answer == platform::vbNo)
        QTimer::singleShot(0, &doc, [document = &doc] { ReloadDocument(document); });
    return answer == platform::vbYes;
}

void markSaved(frmDoc& doc, const QString& path) {
    doc.DiskStamp = platform::fileStampOf(path);
    ScopedCurrentView current(doc);
    doc.NewFile = false;
    if (EmptyUndo != 0)
        SciEmptyUndoBuffer();
    SciSetSavePoint();
    doc.setDirty(false);
}

frmDoc* openDocumentAt(const QString& path, const frmDoc& except) {
    for (const QString& id : platform::host().documentWindowIds())
        if (frmDoc* doc = DocumentOfWindow(id); doc && doc != &except && doc->FullFilename == path)
            return doc;
    return nullptr;
}

std::optional<QString> askNewPath(const frmDoc& doc, const ClsProject* project) {
    const QString folder = project && !project->SingleFile ? project->Path : GetFolderOfPath(doc.FullFilename, true);
    std::optional<QString> path = platform::chooseSaveFile(QStringLiteral("Save File As"), folder + doc.Filename(),
                                                           QStringLiteral("Blitz Basic File (*.bb)"));
    if (!path)
        return path;
    if (GetExtension(*path).isEmpty())
        *path += QStringLiteral(".bb");
    return CanonicalPath(*path);
}

bool refusedForProject(const ClsProject& project, const QString& newPath, const QString& newName) {
    if (!newPath.startsWith(project.Path)) {
        platform::MsgBox(QStringLiteral("Project Files must be saved in the project's (sub)folder !"), platform::vbCritical,
                         QStringLiteral("File Not Saved !"));
        return true;
    }
    if (project.Files.Exist_Key(newName)) {
        platform::MsgBox(QStringLiteral("File named ") + newName + QStringLiteral(" already exists in this project"),
                         platform::vbCritical, QStringLiteral("Invalid name"));
        return true;
    }
    return false;
}

// A member's AbsPath: its path below the project folder, written with "\".
QString memberAbsPath(const ClsProject& project, const QString& path) {
    QString relative = path.mid(project.Path.size());
    relative.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return QLatin1Char('\\') + relative;
}

void renameSingleFile(const ProjectPtr& project, frmDoc& doc, const QString& oldKey, const QString& newPath) {
    gProjects.RemoveKey(oldKey);
    project->Name = newPath;
    project->FullPath = newPath;
    doc.PrjName = newPath;
    doc.PrjFullPath = newPath;
    doc.IsSnippet = false;
    gProjects.Add(project, newPath);
    AddRecentFile(newPath);
}

}

bool SaveDocument(frmDoc* doc) {
    if (!doc) {
        SetStopErrorLog(99020);
        return false;
    }
    if (IsUntitledKey(doc->FullFilename))
        return SaveDocumentAs(doc);
    if (!mayOverwrite(*doc))
        return false;
    if (gBackupEnabled != 0 && doc->Dirty() && !BackupFile(doc->FullFilename))
        return false;
    if (!writeDocument(*doc, doc->FullFilename, !doc->IsSnippet)) {
        ShowSaveFailure(doc->FullFilename);
        return false;
    }
    markSaved(*doc, doc->FullFilename);
    return true;
}

bool SaveAllFiles() {
    if (!gActiveDoc)
        return false;
    platform::RedrawLock frozen;
    for (const QString& id : platform::host().documentWindowIds()) {
        frmDoc* doc = DocumentOfWindow(id);
        if (doc && platform::host().documentWindowVisible(id) && doc->Dirty() && !doc->NewFile && !SaveDocument(doc))
            return false;
    }
    return true;
}

bool SaveDocumentAs(frmDoc* doc) {
    if (!doc) {
        SetStopErrorLog(93320);
        doc = gActiveDoc;
        if (!doc)
            return false;
    }
    const QString oldName = doc->Filename();
    const QString oldPath = doc->FullFilename;
    const ProjectPtr project = projectOf(*doc);
    const std::optional<QString> newPath = askNewPath(*doc, project.get());
    if (!newPath)
        return false;
    const QString newName = GetFileName(*newPath);
    if (openDocumentAt(*newPath, *doc)) {
        platform::MsgBox(QStringLiteral("This file is already opened in Korvo:\r\n") + *newPath, platform::vbCritical,
                         QStringLiteral("File Not Saved !"));
        return false;
    }
    if (project && !project->SingleFile && refusedForProject(*project, *newPath, newName))
        return false;
    if (!writeDocument(*doc, *newPath, true)) {
        ShowSaveFailure(doc->FullFilename);
        return false;
    }

    platform::host().setDocumentWindowKey(oldPath, *newPath);
    doc->setFilename(newName);
    doc->FullFilename = *newPath;
    markSaved(*doc, *newPath);
    if (project) {
        project->Sources.RemoveKey(oldPath);
        project->Sources.Add(doc, *newPath);
        if (project->SingleFile)
            renameSingleFile(project, *doc, oldPath, *newPath);
        else
            RenameMember(*project, oldName, memberAbsPath(*project, *newPath));
        PopulateTreeView();
    }
    if (doc == gActiveDoc) {
        ActivateDocument(doc);
        UpdateVarFileNames(oldName, newName);
    }
    platform::host().refreshCodeExplorer();
    return true;
}

bool SaveTextToFile(const QString& path) {
    WaitCursorScope hourglass;
    return platform::writeFileBytesAtomically(path, SciGetAllText(gSciWndData));
}
