#pragma once

#include <QStringList>

#include <functional>

// korvo-dump prints what Korvo's own code makes of its input, one item a
// line. Each option lives in a file of its own and registers itself here.
using DumpHandler = std::function<int(const QStringList& args)>;

struct DumpCommand {
    DumpCommand(const char* option, const char* usage, DumpHandler handler);
};

void printLine(const QString& line);
