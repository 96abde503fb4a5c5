#include "DumpCommand.h"

#include "build/UserLibraries.h"

#include <QFileInfo>

#include <cstdio>

namespace {

// Prints the user libraries of a userlibs folder as the editor lists them.
int dumpUserlibs(const QStringList& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "korvo-dump --userlibs: give a userlibs folder\n");
        return 2;
    }
    if (!QFileInfo(args[0]).isDir()) {
        std::fprintf(stderr, "korvo-dump --userlibs: %s is not a folder\n", qPrintable(args[0]));
        return 1;
    }
    for (const UserLibrary& library : ListUserLibraries(args[0]))
        printLine(library.text + (library.ticked ? QStringLiteral("|ticked|") : QStringLiteral("|unticked|"))
                  + library.fileName);
    return 0;
}

const DumpCommand userlibsCommand("--userlibs", "FOLDER", dumpUserlibs);

}
