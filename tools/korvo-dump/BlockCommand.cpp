#include "DumpCommand.h"
#include "DumpDocument.h"

#include "editor/SciWrappers.h"
#include "files/SaveDocuments.h"
#include "vocabulary/Markers.h"

namespace {

void printMarkedLines(const char* name, int marker, bool collapsedOnly) {
    for (long line = long(SciMarkerNext(0, markerMask(marker))); line >= 0;
         line = long(SciMarkerNext(line + 1, markerMask(marker))))
        if (!collapsedOnly || !SciGetFoldExpanded(line))
            printLine(QString::fromLatin1(name) + QLatin1Char(' ') + QString::number(line));
}

int dumpBlock(const QStringList& args) {
    if (args.size() != 1)
        return kWrongArguments;
    DumpDocument document;
    if (!document.open(args[0], QString()))
        return 1;
    printMarkedLines("fold", MARKER_FOLDSTART, true);
    printMarkedLines("bookmark", MARKER_BOOKMARK, false);
    printLine(QStringLiteral("commandline ") + document.project().CommandLine);
    printLine(QStringLiteral("compiler ") + document.project().Compiler);
    printLine(QStringLiteral("length ") + QString::number(SciGetLength()));
    return 0;
}

int resave(const QStringList& args) {
    QStringList rest = args;
    const bool changed = takeFlag(rest, QStringLiteral("--changed"));
    if (rest.size() != 1)
        return kWrongArguments;
    DumpDocument document;
    if (!document.open(rest[0], QString()))
        return 1;
    if (changed)
        document.doc().setDirty(true);
    return SaveDocument(&document.doc()) ? 0 : 1;
}

const DumpCommand blockCommand("--block", "FILE.bb   the folds, bookmarks, command line and compiler its block gave, and the length left",
                               dumpBlock);
const DumpCommand resaveCommand("--resave", "FILE.bb [--changed]   opens and saves it (changed first: backups apply)", resave);

}
