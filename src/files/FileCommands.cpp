#include "files/FileCommands.h"

#include "editor/ActiveDocument.h"
#include "editor/CurrentView.h"
#include "editor/frmDoc.h"
#include "files/OpenDocuments.h"
#include "files/Project.h"
#include "files/ProjectLoading.h"
#include "files/SaveDocuments.h"
#include "files/Workspaces.h"
#include "files/projects/frmProjectEx.h"
#include "foundation/FileHelpers.h"
#include "foundation/MessageHelpers.h"
#include "platform/ProgramFolder.h"

namespace {

// A command of the project manager panel; nothing while there is none.
template <void (frmProjectEx::*command)()>
void onPanel() {
    if (frmProjectEx* panel = ProjectsPanel())
        (panel->*command)();
}

}

void OpenRecentFile(const platform::CommandClick& click) {
    if (click.entry && !click.entry->key.isEmpty())
        OpenFile(click.entry->key);
}

void OpenRecentProject(const platform::CommandClick& click) {
    if (click.entry && !click.entry->key.isEmpty())
        LoadProject(click.entry->key);
}

namespace {

// Holds the project: closing its documents moves gActiveProject on.
void closeActiveProject() {
    const ProjectPtr project = gActiveProject;
    if (project && !project->SingleFile)
        CloseProject(*project);
}

}

// Rows on ShowNotAvailable wait for the procedure named beside them.
void RegisterFileCommands() {
    platform::RegisterCommandProcedures({
        {"New File", NewFile},
        {"Open File", [] { OpenFile(); }},
        {"Save File", [] { SaveDocument(gActiveDoc); }},
        {"Save All Files", [] { SaveAllFiles(); }},
        {"Save File As", [] { SaveDocumentAs(gActiveDoc); }},
        {"Load Last Workspace",
         [] { LoadWorkSpace(FixDoubleBackslash(platform::programSubfolder(QStringLiteral("conf/LastWorkspace.kws")))); }},
        {"Open Workspace", OpenWorkspace},
        {"Save Workspace As", SaveWorkSpaceAs},
        {"Save This Project", onPanel<&frmProjectEx::cmdSaveProject_Click>},
        {"Close Project", closeActiveProject},
        {"Close This Project", onPanel<&frmProjectEx::CloseSelectedProject>},
        {"Add Existing Files", onPanel<&frmProjectEx::cmdAddExisFile_Click>},
        {"Remove File", onPanel<&frmProjectEx::cmdRemoveFile_Click>},
        {"Add New File", onPanel<&frmProjectEx::cmdAddNewFile_Click>},
        {"Add Folder With Files", [] {}},
        {"Create Category", onPanel<&frmProjectEx::cmdCreateFolder_Click>},
        {"Remove Category", onPanel<&frmProjectEx::cmdRemoveCat_Click>},
        {"Rename", onPanel<&frmProjectEx::cmdRenameFile_Click>},
        {"Set As Main File", onPanel<&frmProjectEx::SetAsMainFIle>},
        {"FileRecentFiles", OpenRecentFile},
        {"FileRecentProjects", OpenRecentProject},
    });
}
