#pragma once

#include <QString>

class ClsProject;

// What opening a file needs of the compiler list, which lies in a later
// layer (build/ defines these): the compiler a file without one gets, and
// making a compiler active (an unknown name activates the default).
QString DefaultCompilerName();
void ActivateCompiler(const QString& name);

// Activates the project's compiler and its keywords, so that its files parse
// under them; a project naming none gets the default compiler.
void ActivateProjectCompiler(ClsProject& project);
