#include "files/FileCommands.h"

#include "editor/CurrentView.h"
#include "editor/frmDoc.h"
#include "files/DocumentStandIns.h"
#include "files/OpenDocuments.h"
#include "files/SaveDocuments.h"
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
    if (click.entry)
        ShowNotAvailable();  // LoadProject with the entry's path
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
        {"Open Workspace", ShowNotAvailable},      // OpenWorkspace
        {"Save Workspace As", ShowNotAvailable},   // SaveWorkSpaceAs
        {"Save This Project", ShowNotAvailable},   // SaveProject of the project selected in the tree
        {"Close Project", ShowNotAvailable},       // CloseProject of gActiveProject
        {"Close This Project", ShowNotAvailable},  // CloseProject of the project selected in the tree
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
