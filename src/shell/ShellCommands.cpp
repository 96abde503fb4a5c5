#include "shell/ShellCommands.h"

#include "editor/SciWrappers.h"
#include "foundation/MessageHelpers.h"
#include "platform/CommandProcedures.h"
#include "shell/CustomizeDialog.h"
#include "shell/frmMain.h"

void UndoCommand() {
    SciAutoCCancel();
    SciUndo();
}

namespace {

void redoCommand() {
    SciAutoCCancel();
    SciRedo();
}

void pasteCommand() {
    SciAutoCCancel();
    SciPaste();
}

void selectAllCommand() {
    SciAutoCCancel();
    SciSelectAll();
}

void unloadMainWindow() {
    if (frmMain* main = MainWindow())
        main->UnloadMainWindow();
}

void customizeUI() {
    if (frmMain* main = MainWindow())
        ShowCustomizeDialog(*main);
}

}

// Rows on ShowNotAvailable wait for the procedure named beside them.
void RegisterShellCommands() {
    platform::RegisterCommandProcedures({
        {"Undo", UndoCommand},
        {"Cut", SciCut},
        {"Copy", SciCopy},
        {"Paste", pasteCommand},
        {"Select All", selectAllCommand},
        {"Redo", redoCommand},
        {"Word Left", SciWordLeft},
        {"Word Left Extend", SciWordLeftExtend},
        {"Word Right", SciWordRight},
        {"Word Right Extend", SciWordRightExtend},
        {"Document Start", SciDocumentStart},
        {"Document Start Extend", SciDocumentStartExtend},
        {"Document End", SciDocumentEnd},
        {"Document End Extend", SciDocumentEndExtend},
        {"Delete Word Left", SciDelWordLeft},
        {"Delete Line Left", SciDelLineLeft},
        {"Delete Word Right", SciDelWordRight},
        {"Delete Line Right", SciDelLineRight},
        {"Cut Current Line", SciLineCut},
        {"Delete Current Line", SciLineDelete},
        {"Copy Current Line", SciLineCopy},
        {"Move Current Line Up", ShowNotAvailable},    // MoveCurrentLineUp
        {"Move Current Line Down", ShowNotAvailable},  // MoveCurrentLineDown
        {"Goto Line", ShowNotAvailable},               // ShowGotoLine
        {"Goto Function", ShowNotAvailable},           // GotoFunction
        {"KeywordHelp", ShowNotAvailable},             // KeywordHelp
        {"New Project", ShowNotAvailable},             // NewProject
        {"Close File", ShowNotAvailable},              // CloseFile
        {"Close All Files", ShowNotAvailable},         // CloseAllFiles
        {"cboCompilers", ShowNotAvailable},            // cboCompilers
        {"cboCommandLine", ShowNotAvailable},          // ApplyCommandLineCombo, then PopulateCboCommandLine
        {"Next Function", ShowNotAvailable},           // NextFunction
        {"Previous Function", ShowNotAvailable},       // PreviousFunction
        {"Compile and Run", ShowNotAvailable},         // CompileAndRun
        {"Compile and Run Last", ShowNotAvailable},    // CompileAndRunLast
        {"Run Last Created EXE", ShowNotAvailable},    // RunLastCreatedExe
        {"DebugCompile", ShowNotAvailable},            // DebugCompile
        {"CreateExecutable", ShowNotAvailable},        // CreateExecutable
        {"ProgramCommandLine", ShowNotAvailable},      // ShowProgramCommandLine
        {"Convert To Upper Case", SciUpperCase},
        {"Convert To Lower Case", SciLowerCase},
        {"File Explorer", ShowNotAvailable},           // ToggleDockWindow "FileExplorer"
        {"Output Window", ShowNotAvailable},           // ToggleDockWindow "Output"
        {"Projects Manager", ShowNotAvailable},        // ToggleDockWindow "Projects"
        {"Snippets Manager", ShowNotAvailable},        // ToggleDockWindow "Snippets"
        {"Code Explorer", ShowNotAvailable},           // ToggleDockWindow "CodeExplorer"
        {"Functions", ShowNotAvailable},               // ExploreFocusOn with the key
        {"Types", ShowNotAvailable},
        {"Arrays", ShowNotAvailable},
        {"Globals", ShowNotAvailable},
        {"Constants", ShowNotAvailable},
        {"Labels", ShowNotAvailable},
        {"StatusBar", ShowNotAvailable},               // the status-bar toggle
        {"Export To HTML", ShowNotAvailable},          // ExportToHTML
        {"Print", ShowNotAvailable},
        {"Print Preview", ShowNotAvailable},
        {"Fold Everything", ShowNotAvailable},         // FoldEverything with mask 32
        {"UnFold Everything", ShowNotAvailable},       // UnFoldEverything with mask 32
        {"Fold Blocks", ShowNotAvailable},             // FoldEverything with mask &H400000
        {"UnFold Blocks", ShowNotAvailable},
        {"Fold Functions", ShowNotAvailable},          // FoldEverything with mask 1
        {"UnFold Functions", ShowNotAvailable},
        {"Fold Types", ShowNotAvailable},              // FoldEverything with mask 4
        {"UnFold Types", ShowNotAvailable},
        {"Next File Tab", ShowNotAvailable},           // NextFileTab
        {"Previous File Tab", ShowNotAvailable},       // PreviousFileTab
        {"Exit", unloadMainWindow},
        {"SwitchToLayout1", ShowNotAvailable},         // SwitchToLayout with the slot
        {"SwitchToLayout2", ShowNotAvailable},
        {"SwitchToLayout3", ShowNotAvailable},
        {"SaveAsLayout1", ShowNotAvailable},           // SaveAsLayout with the slot
        {"SaveAsLayout2", ShowNotAvailable},
        {"SaveAsLayout3", ShowNotAvailable},
        {"ResetLayout", ShowNotAvailable},             // the layout reset
        {"WindowList", ShowNotAvailable},              // ActivateListedWindow with the clicked entry
        // Tab groups do not exist yet.
        {"New Horizontal Tab Group", [] {}},
        {"New Vertical Tab Group", [] {}},
        {"About", ShowNotAvailable},                   // ShowAbout
        {"Strict Mode", ShowNotAvailable},             // ChangeStrictMode
        {"Customize UI", customizeUI},
        {"Review Declarations", ShowNotAvailable},     // ListUnusedVars
    });
}
