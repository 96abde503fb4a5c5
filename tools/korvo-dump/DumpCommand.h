#pragma once

#include <QStringList>

#include <functional>

// korvo-dump prints what Korvo's own code makes of its input, one item a
// line. Each option lives in a file of its own and registers itself here.
// A handler returns the exit code, or kWrongArguments for arguments it
// cannot take: the usage is printed then.
using DumpHandler = std::function<int(const QStringList& args)>;
constexpr int kWrongArguments = -1;

struct DumpCommand {
    DumpCommand(const char* option, const char* usage, DumpHandler handler);
};

void printLine(const QString& line);
// Backslash, CR and LF written as \\, \r and \n, so that any text fits one line.
QString shownLineEnds(QString text);
