#include "shell/ShellCommands.h"

#include "editor/CurrentView.h"
#include "editor/frmDoc.h"
#include "editor/Folding.h"
#include "editor/FunctionSteps.h"
#include "editor/SciWrappers.h"
#include "files/ProjectTreeHook.h"
#include "files/frmNewProject.h"
#include "files/projects/frmProjectEx.h"
#include "foundation/MessageHelpers.h"
#include "language/editing/NotificationHandler.h"
#include "platform/CommandProcedures.h"
#include "platform/CtrlKeyState.h"
#include "shell/CompilerCommands.h"
#include "shell/CustomizeDialog.h"
#include "shell/ExplorerCommands.h"
#include "shell/HtmlExport.h"
#include "shell/LayoutCommands.h"
#include "shell/LineMoves.h"
#include "shell/TabCommands.h"
#include "shell/ViewCommands.h"
#include "shell/frmAbout.h"
#include "shell/frmGotoLine.h"
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

void newProject() {
    if (gActiveDoc && gActiveDoc->m_oSubclass)
        gActiveDoc->m_oSubclass->DeactivateCheck();
    if (frmProjectEx* panel = ProjectsPanel()) {
        panel->cmdNewProject_Click();
    } else {
        ShowNewProjectDialog(MainWindow());
        PopulateTreeView();
    }
}

void customizeUI() {
    if (frmMain* main = MainWindow())
        ShowCustomizeDialog(*main);
}

}

// Rows on ShowNotAvailable wait for the procedure named beside them.
void RegisterShellCommands() {
    platform::watchCtrlKey();
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
        {"Move Current Line Up", MoveCurrentLineUp},
        {"Move Current Line Down", MoveCurrentLineDown},
        {"Goto Line", ShowGotoLine},
        {"Goto Function", ShowNotAvailable},
        {"KeywordHelp", KeywordHelp},
        {"New Project", newProject},
        {"Close File", CloseFile},
        {"Close All Files", [] { CloseAllFiles(); }},
        {"cboCompilers", cboCompilers},
        {"cboCommandLine", ApplyCommandLineCombo},
        {"Next Function", NextFunction},
        {"Previous Function", PreviousFunction},
        {"Compile and Run", CompileAndRun},
        {"Compile and Run Last", CompileAndRunLast},
        {"Run Last Created EXE", RunLastCreatedExe},
        {"DebugCompile", DebugCompile},
        {"CreateExecutable", CreateExecutable},
        {"ProgramCommandLine", ShowProgramCommandLine},
        {"Convert To Upper Case", SciUpperCase},
        {"Convert To Lower Case", SciLowerCase},
        {"File Explorer", [] { ToggleDockWindow(QStringLiteral("FileExplorer")); }},
        {"Output Window", [] { ToggleDockWindow(QStringLiteral("Output")); }},
        {"Projects Manager", [] { ToggleDockWindow(QStringLiteral("Projects")); }},
        {"Snippets Manager", [] { ToggleDockWindow(QStringLiteral("Snippets")); }},
        {"Code Explorer", [] { ToggleDockWindow(QStringLiteral("CodeExplorer")); }},
        {"Functions", [] { ExploreFocusOn(QStringLiteral("Functions")); }},
        {"Types", [] { ExploreFocusOn(QStringLiteral("Types")); }},
        {"Arrays", [] { ExploreFocusOn(QStringLiteral("Arrays")); }},
        {"Globals", [] { ExploreFocusOn(QStringLiteral("Globals")); }},
        {"Constants", [] { ExploreFocusOn(QStringLiteral("Constants")); }},
        {"Labels", [] { ExploreFocusOn(QStringLiteral("Labels")); }},
        {"StatusBar", ToggleStatusBar},
        {"Export To HTML", ExportToHTML},
        {"Print", ShowNotAvailable},
        {"Print Preview", ShowNotAvailable},
        {"Fold Everything", [] { FoldEverything(kFoldAllHeaders); }},
        {"UnFold Everything", [] { UnFoldEverything(kFoldAllHeaders); }},
        {"Fold Blocks", [] { FoldEverything(kFoldBlocks); }},
        {"UnFold Blocks", [] { UnFoldEverything(kFoldBlocks); }},
        {"Fold Functions", [] { FoldEverything(kFoldFunctions); }},
        {"UnFold Functions", [] { UnFoldEverything(kFoldFunctions); }},
        {"Fold Types", [] { FoldEverything(kFoldTypes); }},
        {"UnFold Types", [] { UnFoldEverything(kFoldTypes); }},
        {"Next File Tab", NextFileTab},
        {"Previous File Tab", PreviousFileTab},
        {"Exit", unloadMainWindow},
        {"SwitchToLayout1", [] { SwitchToLayout(1); }},
        {"SwitchToLayout2", [] { SwitchToLayout(2); }},
        {"SwitchToLayout3", [] { SwitchToLayout(3); }},
        {"SaveAsLayout1", [] { SaveAsLayout(1); }},
        {"SaveAsLayout2", [] { SaveAsLayout(2); }},
        {"SaveAsLayout3", [] { SaveAsLayout(3); }},
        {"ResetLayout", ResetLayout},
        {"WindowList", ActivateListedWindow},
        {"New Horizontal Tab Group", [] { NewTabGroup(dock::TabGroupSide::Below); }},
        {"New Vertical Tab Group", [] { NewTabGroup(dock::TabGroupSide::Beside); }},
        {"About", ShowAbout},
        {"Strict Mode", ChangeStrictMode},
        {"Customize UI", customizeUI},
        {"Review Declarations", ListUnusedVars},
    });
}
