#include "DumpCommand.h"
#include "DumpDocument.h"

#include "editor/SciWrappers.h"
#include "language/colour/Colouring.h"
#include "language/complete/Autocomplete.h"
#include "language/complete/CompletionFlags.h"

namespace {

int dumpCompletion(const QStringList& arguments) {
    QStringList args = arguments;
    const bool forced = takeFlag(args, QStringLiteral("--forced"));
    DumpDocument document;
    if (const int failed = OpenAtCaret(document, args, "--complete"))
        return failed;
    if (forced) {
        ShowAutocomplete();
    } else {
        // As the notification handler colours the caret line after a character was typed.
        gCharAdded = true;
        ColorCurrentLine(static_cast<int>(SciLineFromPosition(SciGetCurrentPos())), false);
    }
    for (const QString& entry : LastCompletionList())
        printLine(entry);
    return 0;
}

const DumpCommand completeCommand("--complete", "FILE.bb LINE:COLUMN [--lng KEYWORDS] [--forced]   the completion list shown there",
                                  dumpCompletion);

}
