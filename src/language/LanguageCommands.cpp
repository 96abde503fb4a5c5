#include "language/LanguageCommands.h"

#include "foundation/MessageHelpers.h"
#include "language/complete/Autocomplete.h"
#include "platform/CommandProcedures.h"

// Rows on ShowNotAvailable wait for the procedure named beside them.
void RegisterLanguageCommands() {
    platform::RegisterCommandProcedures({
        {"Goto Declaration", ShowNotAvailable},  // GotoDeclaration
        {"Show Autocomplete", ShowAutocomplete},
        {"Show Calltip", ShowNotAvailable},      // ShowCalltip
    });
}
