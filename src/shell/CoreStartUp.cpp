#include "shell/CoreStartUp.h"

#include "aids/ClipRing.h"
#include "aids/HotCodeStore.h"
#include "build/ActiveCompiler.h"
#include "build/CompilerList.h"
#include "build/ExternalTools.h"
#include "editor/ActiveDocument.h"
#include "editor/EditorSetup.h"
#include "editor/PositionHistory.h"
#include "explorer/CodeExplorer.h"
#include "language/complete/QuickHelp.h"
#include "language/lexer/InitScintillaAndCharTables.h"
#include "language/parser/ParseSession.h"
#include "vocabulary/SettingsValues.h"

namespace {

// What the layers above the editor do when another document becomes active.
void listenToActivation() {
    static bool listening = false;
    if (listening)
        return;
    listening = true;
    QObject::connect(&activeDocumentNotifier(), &ActiveDocumentNotifier::activeDocumentChanged, &ForgetScope);
}

}

void StartCore() {
    InitScintillaAndCharTables();
    GetOptions();
    GetEditOptions();
    listenToActivation();
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
    ClearClipRing();
    gClipRingCycleIndex = 0;
    gClipRingAnchor = 0;
    RemoveAllHotCodes();
    frmList::ForgetFills();
    ClearCodeBrowser();
    quickHelp().clear();
}
