#pragma once

#include <QString>

// True when the installation folder holds the compiler (bin/blitzcc);
// otherwise tells the user so and returns false.
bool CheckCompilerPath(const QString& Path);

// Has the compiler of the installation print its keyword listing (+k) and
// makes it conf/<CompilerName>.lng, then reloads that compiler's keywords.
// The listing replaces the file only when the compiler ended in time with
// exit code 0 and printed more than a keyword file's smallest valid size;
// otherwise the old file stays and conf/<CompilerName>.lng.err keeps what
// the compiler printed. A refresh asked while one waits starts nothing.
void RefreshDefinitions(const QString& CompilerName, const QString& CompilerPath);
