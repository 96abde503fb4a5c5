#pragma once

#include <QString>

// The build commands: each compiles with the active compiler through the
// active document's runner; BuildRun takes the run from there. A build on
// a document whose runner is busy does nothing.

// Compiles and runs the program, in the debugger when DebugMode is set,
// with the project's program command line.
void Compile(const QString& FileName, bool DebugMode);
// Compiles only, to find errors.
void CheckForErrors(const QString& FileName);
// Compiles into an executable that the user names.
void CreateExe(const QString& FileName);
// Saves every changed open document of the active project; the active
// document stays active.
bool SaveProjectSources();
