#pragma once

#include "platform/ChildProcess.h"

#include <QString>
#include <QStringList>

// The compiler of an installation folder: bin/blitzcc (a folder holding only
// the Windows bin/blitzcc.exe has none Korvo can run).
QString CompilerExecutable(const QString& installation);

// The compiler with these arguments. Its environment names the installation
// as BLITZPATH and as blitzpath, the name its Linux port reads; Linux names
// are case-sensitive. Installation folders have no short form: the path is
// passed as it is.
platform::ChildProcess CompilerCommand(const QString& installation, const QStringList& arguments);
