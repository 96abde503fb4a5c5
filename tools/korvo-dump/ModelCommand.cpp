#include "DumpCommand.h"
#include "DumpDocument.h"

#include "editor/SciWrappers.h"
#include "language/model/ModelDump.h"

namespace {

void printLines() {
    const long count = SciGetLineCount();
    for (long line = 0; line < count; ++line)
        printLine(QStringLiteral("line %1 fold 0x%2 markers 0x%3 indent %4")
                      .arg(line)
                      .arg(SciGetFoldLevel(line), 0, 16)
                      .arg(SciMarkerGet(line), 0, 16)
                      .arg(SciGetLineIndentation(line)));
}

int dumpModel(const QStringList& args) {
    if (args.size() != 1 && !(args.size() == 3 && args[1] == QLatin1String("--lng")))
        return kWrongArguments;
    DumpDocument document;
    if (!document.open(args[0], args.size() == 3 ? args[2] : QString()))
        return 1;
    for (const QString& line : DumpModel(document.project().Model, document.doc()))
        printLine(line);
    printLines();
    return 0;
}

const DumpCommand modelCommand("--model", "FILE.bb [--lng KEYWORDS]   the code model, then each line's fold level, markers, indentation",
                               dumpModel);

}
