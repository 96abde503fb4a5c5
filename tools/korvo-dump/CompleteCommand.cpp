#include "DumpCommand.h"
#include "DumpDocument.h"

#include "editor/SciWrappers.h"
#include "language/colour/Colouring.h"
#include "language/complete/Autocomplete.h"
#include "language/complete/CompletionFlags.h"

#include <cstdio>

namespace {

int dumpCompletion(const QStringList& arguments) {
    QStringList args = arguments;
    bool missing = false;
    const QString keywords = takeOption(args, QStringLiteral("--lng"), &missing);
    const bool forced = takeFlag(args, QStringLiteral("--forced"));
    if (args.size() != 2 || missing)
        return kWrongArguments;
    DumpDocument document;
    if (!document.open(args[0], keywords))
        return 1;
    const long caret = PositionOfLineColumn(args[1]);
    if (caret < 0) {
        std::fprintf(stderr, "korvo-dump --complete: no position %s\n", args[1].toUtf8().constData());
        return 2;
    }
    SciGotoPos(caret);
    if (forced) {
        ShowAutocomplete();
    } else {
        // As the notification handler colours the caret line after a character was typed.
        gCharAdded = true;
        ColorCurrentLine(static_cast<int>(SciLineFromPosition(caret)), false);
    }
    for (const QString& entry : LastCompletionList())
        printLine(entry);
    return 0;
}

const DumpCommand completeCommand("--complete", "FILE.bb LINE:COLUMN [--lng KEYWORDS] [--forced]   the completion list shown there",
                                  dumpCompletion);

}
