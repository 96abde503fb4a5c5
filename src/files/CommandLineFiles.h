#pragma once

#include <QString>
#include <QStringList>

// The files named on a command line: blank-separated, a path with blanks in
// double quotes, "/L:" switches given as they are. Until projects and line
// switches are built, each existing path opens and is parsed as a file by
// itself in a document window of the main window; switches are passed over.
QStringList SplitCommandLine(const QString& commandLine);
void OpenFilesFromCommand(const QString& commandLine);
// Opens one path the same way, or activates its window when it is open.
void OpenFile(const QString& path);
// The other way: arguments as one command line, each path made absolute
// and quoted when it holds a blank, switches kept as they are.
QString JoinCommandLine(const QStringList& arguments);
