#pragma once

#include <QString>

// What opening a file needs of the compiler list, which lies in a later
// layer (build/ defines these): the compiler a file without one gets, and
// making a compiler active (an unknown name activates the default).
QString DefaultCompilerName();
void ActivateCompiler(const QString& name);
