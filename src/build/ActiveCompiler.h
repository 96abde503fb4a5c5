#pragma once

#include "language/keywords/Compiler.h"

#include <QString>

// The compiler of the active document's project, whose keywords are active.
extern CompilerPtr gActiveCompiler;

// Activates the named compiler and its keywords. An unknown name, or a
// compiler whose keyword file cannot be loaded, activates DefaultCompiler.
void SetActiveCompiler(const QString& CompilerName);
