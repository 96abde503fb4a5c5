#include "files/FileCommands.h"

#include "editor/CurrentView.h"
#include "editor/frmDoc.h"
#include "files/CommandLineFiles.h"
#include "files/DocumentStandIns.h"
#include "files/SaveDocuments.h"
#include "foundation/FileHelpers.h"
#include "foundation/MessageHelpers.h"
#include "platform/ProgramFolder.h"

void OpenRecentFile(const platform::CommandClick& click) {
    // Until files open by dialog, a recent file opens as a command-line file does.
    if (click.entry && !click.entry->key.isEmpty())
        OpenFilesFromCommand(JoinCommandLine({click.entry->key}));
}

void OpenRecentProject(const platform::CommandClick& click) {
    if (click.entry)
        ShowNotAvailable();  // LoadProject with the entry's path
}

// Rows on ShowNotAvailable wait for the procedure named beside them.
void RegisterFileCommands() {
    platform::RegisterCommandProcedures({
        {"New File", ShowNotAvailable},       // NewFile
        {"Open File", ShowNotAvailable},      // OpenFile with no path: the open dialog
        {"Save File", [] { SaveDocument(gActiveDoc); }},
        {"Save All Files", ShowNotAvailable},  // SaveAllFiles
        {"Save File As", ShowNotAvailable},   // SaveDocumentAs of gActiveDoc
        {"Load Last Workspace",
         [] { LoadWorkSpace(FixDoubleBackslash(platform::programSubfolder(QStringLiteral("conf/LastWorkspace.kws")))); }},
        {"Open Workspace", ShowNotAvailable},      // OpenWorkspace
        {"Save Workspace As", ShowNotAvailable},   // SaveWorkSpaceAs
        {"Save This Project", ShowNotAvailable},   // SaveProject of the project selected in the tree
        {"Close Project", ShowNotAvailable},       // CloseProject of gActiveProject
        {"Close This Project", ShowNotAvailable},  // CloseProject of the project selected in the tree
        {"Add Existing Files", ShowNotAvailable},  // frmProjectEx.cmdAddExisFile_Click
        {"Remove File", ShowNotAvailable},         // frmProjectEx.cmdRemoveFile_Click
        {"Add New File", ShowNotAvailable},        // frmProjectEx.cmdAddNewFile_Click
        {"Add Folder With Files", [] {}},
        {"Create Category", ShowNotAvailable},     // frmProjectEx.cmdCreateFolder_Click
        {"Remove Category", ShowNotAvailable},     // frmProjectEx.cmdRemoveCat_Click
        {"Rename", ShowNotAvailable},              // frmProjectEx.cmdRenameFile_Click
        {"Set As Main File", ShowNotAvailable},    // frmProjectEx.SetAsMainFIle
        {"FileRecentFiles", OpenRecentFile},
        {"FileRecentProjects", OpenRecentProject},
    });
}
