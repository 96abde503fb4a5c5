#include "files/Workspaces.h"

#include "editor/ActiveDocument.h"
#include "editor/DocumentWindows.h"
#include "editor/SciWrappers.h"
#include "files/Attributes.h"
#include "files/OpenDocuments.h"
#include "files/Project.h"
#include "files/ProjectLoading.h"
#include "files/WorkspaceFile.h"
#include "foundation/FileHelpers.h"
#include "foundation/errors/ErrorLog.h"
#include "foundation/errors/WriteFailure.h"
#include "platform/AnsiText.h"
#include "platform/AtomicFileWrite.h"
#include "platform/Host.h"
#include "platform/KorvoError.h"
#include "platform/Prompt.h"
#include "vocabulary/WindowKeys.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kFilter = QStringLiteral("Workspaces (*.kws);;All Files (*)");

WorkspaceContent currentWorkspace() {
    WorkspaceContent content;
    content.windows = platform::host().layoutText();
    content.caretPosition = IsEditorActive() ? long(SciGetCurrentPos()) : 0;
    for (const ProjectPtr& project : gProjects.NewEnum())
        if (!IsUntitledKey(project->FullPath))
            content.projects.append({project->FullPath, project->SingleFile});
    return content;
}

std::optional<WorkspaceContent> readWorkspace(const QString& path) {
    QByteArray bytes;
    if (!platform::readFileBytes(path, bytes))
        RaiseError(ErrPathFileAccess, platform::fileReadFailure(path));
    return ReadWorkspaceFile(DecodeAttributeLines(bytes));
}

// Windows of the layout whose document was not reopened go, and so does a
// help window that this session has no help browser for; a caption
// saved with the changed mark loses it, since the document was just read.
void tidyDocumentWindows() {
    platform::Host& host = platform::host();
    const QStringList keys = host.documentWindowKeys();
    const QStringList ids = host.documentWindowIds();
    for (qsizetype i = 0; i < ids.size() && i < keys.size(); ++i) {
        if (!host.documentWindow(ids[i])) {
            host.closeDocumentWindow(ids[i]);
            continue;
        }
        if (keys[i] == kHelpWindowKey)
            continue;
        const QString caption = host.documentWindowCaption(ids[i]);
        if (caption.endsWith(QLatin1Char('*')))
            host.setDocumentWindowCaption(ids[i], caption.chopped(1));
    }
}

void restoreActiveWindow(const QString& key, long caretPosition) {
    if (key.isEmpty() || platform::host().documentWindowId(key).isEmpty())
        return;
    platform::host().activateDocumentWindow(key);
    if (IsEditorActive() && caretPosition >= 0 && caretPosition < SciGetLength())
        SciGotoPos(caretPosition);
}

void openWorkspace(const WorkspaceContent& content) {
    // A layout that does not decode (one saved on Windows) is passed over:
    // the documents then get new windows and the last one opened stays active.
    const bool restored = platform::host().loadLayoutText(content.windows);
    const QString layoutActiveKey = restored ? platform::host().activeDocumentWindowKey() : QString();
    for (const WorkspaceProject& project : content.projects) {
        if (project.single)
            OpenFile(project.path, true);
        else
            LoadProject(project.path, true);
    }
    tidyDocumentWindows();
    restoreActiveWindow(restored ? layoutActiveKey : platform::host().activeDocumentWindowKey(), content.caretPosition);
}

}

bool SaveWorkSpace(const QString& path) {
    try {
        QDir().mkpath(GetFolderOfPath(path, false));
        if (!platform::writeFileBytesAtomically(path, EncodeAttributeLines(WorkspaceFileLines(currentWorkspace())))) {
            ReportWriteFailure(path, QStringLiteral("SaveWorkSpace"), QStringLiteral("Mod_File"));
            return false;
        }
        return true;
    } catch (...) {
        SetErrorLog(QStringLiteral("SaveWorkSpace"), QStringLiteral("Mod_File"));
        return false;
    }
}

void SaveWorkSpaceAs() {
    try {
        std::optional<QString> path = platform::chooseSaveFile(QStringLiteral("Save Workspace As"), QString(), kFilter);
        if (!path)
            return;
        if (GetExtension(*path).isEmpty())
            *path += QStringLiteral(".kws");
        SaveWorkSpace(*path);
    } catch (...) {
        SetErrorLog(QStringLiteral("SaveWorkSpaceAs"), QStringLiteral("Mod_File"));
    }
}

void OpenWorkspace() {
    try {
        const std::optional<QString> path = platform::chooseOpenFile(QStringLiteral("Open Workspace"), QString(), kFilter);
        if (path)
            LoadWorkSpace(*path);
    } catch (...) {
        SetErrorLog(QStringLiteral("OpenWorkspace"), QStringLiteral("Mod_File"));
    }
}

bool LoadWorkSpace(const QString& path) {
    try {
        if (!QFileInfo(path).isFile()) {
            platform::MsgBox(QStringLiteral("No valid workspace file found !"), platform::vbExclamation);
            return false;
        }
        const std::optional<WorkspaceContent> content = readWorkspace(path);
        if (!content) {
            platform::MsgBox(QStringLiteral("Invalid workspace file !"), platform::vbCritical);
            return false;
        }
        if (!platform::host().closeAllDocuments())
            return false;
        openWorkspace(*content);
        return true;
    } catch (...) {
        SetErrorLog(QStringLiteral("LoadWorkSpace"), QStringLiteral("Mod_File"));
        return false;
    }
}
