#pragma once

// Makes the compiler chosen in "cboCompilers" the active project's, when
// its keywords can be loaded; otherwise the combo shows the active one again.
void cboCompilers();
// Keeps the text of "cboCommandLine" as the active project's command line.
void ApplyCommandLineCombo();
// Starts Options/gLastCreatedExe by its path, without arguments; a missing
// file is reported.
void RunLastCreatedExe();

// The build commands on the active document (nothing without one).
void CompileAndRun();
void DebugCompile();
void CreateExecutable();
// Activates the window of the file compiled last and compiles it again;
// nothing when that window is gone.
void CompileAndRunLast();
// Shows the "Command Line" bar and puts the focus in its box.
void ShowProgramCommandLine();
