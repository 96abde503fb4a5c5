#pragma once

// Makes the compiler chosen in "cboCompilers" the active project's, when
// its keywords can be loaded; otherwise the combo shows the active one again.
void cboCompilers();
// Keeps the text of "cboCommandLine" as the active project's command line.
void ApplyCommandLineCombo();
// Starts Options/gLastCreatedExe by its path, without arguments; a missing
// file is reported.
void RunLastCreatedExe();
