#include "shell/CoreStartUp.h"

#include "build/ActiveCompiler.h"
#include "build/CompilerList.h"
#include "build/ExternalTools.h"
#include "editor/ActiveDocument.h"
#include "editor/EditorSetup.h"
#include "explorer/CodeExplorer.h"
#include "language/lexer/InitScintillaAndCharTables.h"
#include "language/parser/ParseSession.h"
#include "vocabulary/SettingsValues.h"

void StartCore() {
    InitScintillaAndCharTables();
    GetOptions();
    GetEditOptions();
    static const bool listening = [] {
        QObject::connect(&activeDocumentNotifier(), &ActiveDocumentNotifier::activeDocumentChanged, [] { ForgetScope(); });
        return true;
    }();
    (void)listening;
}

void ResetSession() {
    ActivateDocument(nullptr);
    gProjects.RemoveAll();
    gUndoGroupOpen = false;
    ResetParseState();
    gCompilers.RemoveAll();
    gActiveCompiler.reset();
    DefaultCompiler.clear();
    gExternalTools.RemoveAll();
    frmList::ForgetFills();
}
