#include "language/LanguageCommands.h"

#include "language/complete/Autocomplete.h"
#include "language/complete/CallTips.h"
#include "language/editing/AutoIndent.h"
#include "language/editing/LineCommands.h"
#include "language/editing/TypingAids.h"
#include "language/model/GotoDeclaration.h"
#include "platform/CommandProcedures.h"

void RegisterLanguageCommands() {
    platform::RegisterCommandProcedures({
        {"Indent Selection", IndentSelectedLines},
        {"UnIndent Selection", UnindentSelectedLines},
        {"Comment Selection", CommentSelectedLines},
        {"UnComment Selection", UncommentSelectedLines},
        {"Block From Selection", InsertBlockComment},
        {"Goto Declaration", GotoDeclaration},
        {"Show Autocomplete", ShowAutocomplete},
        {"Show Calltip", ShowCalltip},
        {"Complete Scope", InsertBlockEnd},
        {"Auto Indent Selection", AutoIndentSelection},
        {"Auto Indent Function", AutoindentCurrentFunction},
    });
}
