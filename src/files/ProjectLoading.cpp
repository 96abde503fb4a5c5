#include "files/ProjectLoading.h"

#include "editor/ActiveDocument.h"
#include "editor/SciWrappers.h"
#include "editor/WaitCursor.h"
#include "files/OpenDocuments.h"
#include "files/Project.h"
#include "files/ProjectCompiler.h"
#include "files/ProjectFile.h"
#include "files/ProjectTreeHook.h"
#include "files/RecentFilesProjects.h"
#include "language/editing/NotificationHandler.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/Host.h"
#include "platform/Prompt.h"

namespace {

// The first member whose document is open already, in a window of its own
// or of another project.
QString memberOpenElsewhere(const ClsProject& project) {
    for (const FilePtr& file : project.Files.NewEnum()) {
        const QString diskPath = MemberDiskPath(project, *file);
        if (!platform::host().documentWindowId(diskPath).isEmpty())
            return diskPath;
    }
    return QString();
}

// A single file's project has no project file to write.
bool saveWhenChanged(ClsProject& project) {
    return !project.Dirty || project.SingleFile || SaveProject(project);
}

void announceOpenElsewhere(const QString& diskPath) {
    platform::MsgBox(QStringLiteral("Some of the files in this project are already opened in Korvo as single file or "
                                    "as part of another project:\r\n") +
                         diskPath + QStringLiteral("\r\nSorry, in this release you can't have same file opened multiple times"),
                     platform::vbExclamation, QStringLiteral("Project loading aborted..."));
}

bool loadProject(const QString& path, bool windowsExist) {
    auto project = std::make_shared<ClsProject>();
    if (!BuildProjectFromFile(path, *project)) {
        platform::MsgBox(QStringLiteral("Not a valid project file !"), platform::vbCritical);
        return false;
    }
    if (project->Compiler.isEmpty())
        project->Compiler = DefaultCompilerName();
    ActivateCompiler(project->Compiler);

    gProjects.Add(project, project->FullPath);
    if (gProjects.LastError != 0) {
        platform::MsgBox(QStringLiteral("Project is already loaded"), platform::vbExclamation);
        return false;
    }
    if (!windowsExist) {
        const QString elsewhere = memberOpenElsewhere(*project);
        if (!elsewhere.isEmpty()) {
            announceOpenElsewhere(elsewhere);
            gProjects.RemoveKey(project->FullPath);
            return false;
        }
    }
    if (gActiveDoc && gActiveDoc->m_oSubclass)
        gActiveDoc->m_oSubclass->DeactivateCheck();
    {
        WaitCursorScope hourglass;
        for (const FilePtr& file : project->Files.NewEnum())
            OpenProjectsFile(*project, MemberDiskPath(*project, *file), windowsExist);
    }
    AddRecentProject(project->FullPath);
    PopulateTreeView();
    if (IsEditorActive())
        SciGrabFocus();
    return true;
}

}

bool LoadProject(const QString& path, bool windowsExist) {
    try {
        QString chosen = path;
        if (chosen.isEmpty()) {
            const std::optional<QString> picked =
                platform::chooseOpenFile(QStringLiteral("Open File"), QString(), QStringLiteral("Korvo project files (*.kpf)"));
            if (!picked)
                return false;
            chosen = *picked;
        }
        return loadProject(chosen, windowsExist);
    } catch (...) {
        SetErrorLog(QStringLiteral("LoadProject"), QStringLiteral("Mod_File"));
        return false;
    }
}

bool SaveChangedProjects() {
    for (const ProjectPtr& project : gProjects.NewEnum())
        if (project && !saveWhenChanged(*project))
            return false;
    return true;
}

bool CloseProject(ClsProject& project) {
    const platform::CodeExplorerRefillBatch refillOnce;
    try {
        // A project whose changes could not be written stays open.
        if (!saveWhenChanged(project))
            return false;
        for (frmDoc* doc : project.Sources.NewEnum())
            if (!platform::host().hideDocumentWindow(doc->FullFilename))
                return false;
        // A project without documents may be active (a new one); it must not stay so.
        if (gActiveProject.get() == &project)
            ActivateDocument(gActiveDoc);
        gProjects.RemoveKey(project.FullPath);
        platform::refillCodeExplorer();
        PopulateTreeView();
        return true;
    } catch (...) {
        SetErrorLog(QStringLiteral("CloseProject"), QStringLiteral("Mod_File"));
        return false;
    }
}
