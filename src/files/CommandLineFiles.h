#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

// A command line of files: pieces separated by single blanks, each with one
// leading and one trailing double quote removed; "/L:N" (any case) shows
// 1-based line N in the files that follow it. A piece that names nothing
// is joined with the next by a blank until it names something, so a path
// with blanks may come unquoted.

// The pieces resolved against the folder relative paths were given in:
// each switch as given, each existing path absolute with "." and ".."
// resolved but its links kept as named; pieces that never name anything
// are dropped. Work and memory grow linearly with the pieces.
QStringList ResolveCommandLine(const QStringList& pieces, const QDir& base);
// The program's arguments as text. Paths are UTF-8 bytes to Qt, so an
// argument whose bytes are no UTF-8 names no file Korvo can open: it is
// left out, and its bytes (as "\xFF" beyond printable ASCII) are added to
// unreadable.
QStringList ReadableArguments(const QList<QByteArray>& arguments, QStringList& unreadable);
// The message that names the unreadable arguments.
QString UnreadableNamesMessage(const QStringList& unreadable);
// The resolved arguments as one command line, a path holding a blank quoted.
QString JoinCommandLine(const QStringList& arguments);

// Opens the files of the command line with OpenFile, each after a switch
// with its caret at the start of that line.
void OpenFilesFromCommand(const QString& commandLine);
