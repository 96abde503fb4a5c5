#pragma once

#include "build/CompilerListFile.h"

#include <QString>

// Every compiler installation, keyed by name, in file order.
extern CompilerList gCompilers;
// The compiler to fall back on.
extern QString DefaultCompiler;

// Fills gCompilers from conf/compilers.dat and chooses DefaultCompiler.
// Returns false when the file is missing, after telling the user: Korvo
// cannot start without it. A damaged file is logged and the compilers read
// before the damage are kept.
bool LoadCompilers();
