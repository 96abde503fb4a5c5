#pragma once

#include "foundation/CollectionTools.h"
#include "language/keywords/Compiler.h"

#include "foundation/DamagedListFiles.h"

#include <QByteArray>

#include <optional>

using CompilerList = CollectionTools<CompilerPtr>;

// conf/compilers.dat in the program folder.
QString CompilerListPath();

// A name can key a compiler when it is not empty and holds no path
// separator: it also names the compiler's keyword file.
bool IsValidCompilerName(const QString& name);

// The file: format number 1, the count, then per compiler its name, folder,
// help folder and console flag.
QByteArray FormatCompilerList(const CompilerList& compilers);

// Adds the compilers of the file to the list in file order; a record whose
// name cannot key a compiler is logged and passed over; a short or malformed
// file is logged and ends the read, keeping the compilers read before. The
// first fault met, if any.
std::optional<ListFileFault> ReadCompilerList(const QByteArray& bytes, CompilerList& compilers);

// Writes the list to conf/compilers.dat; a damaged file only when the user
// agrees (MayReplaceListFile). Raises, before writing anything, for a name
// that cannot key a compiler. False, once the user was told, when the disk
// refused the file.
bool SaveCompilerList(const CompilerList& compilers);
