#include "shell/CoreStartUp.h"

#include "aids/AidCommands.h"
#include "aids/ClipRing.h"
#include "aids/HotCodeStore.h"
#include "build/ActiveCompiler.h"
#include "build/BuildCommands.h"
#include "build/CompilerList.h"
#include "build/ExternalTools.h"
#include "editor/ActiveDocument.h"
#include "editor/EditorCommands.h"
#include "editor/EditorSetup.h"
#include "editor/PositionHistory.h"
#include "explorer/frmList.h"
#include "language/editing/NotificationHandler.h"
#include "explorer/frmReferences.h"
#include "files/FileCommands.h"
#include "files/OpenDocuments.h"
#include "language/LanguageCommands.h"
#include "language/complete/QuickHelp.h"
#include "language/lexer/InitScintillaAndCharTables.h"
#include "language/parser/ParseSession.h"
#include "settings/SettingsCommands.h"
#include "shell/ShellCommands.h"
#include "vocabulary/SettingsValues.h"

#include <csignal>

namespace {

// What the layers above the editor do when another document becomes active.
void listenToActivation() {
    static bool listening = false;
    if (listening)
        return;
    listening = true;
    QObject::connect(&activeDocumentNotifier(), &ActiveDocumentNotifier::activeDocumentChanged, &ForgetScope);
}

// Each layer that owns command keys registers its procedures; the
// dispatcher finds them by key.
void registerCommandProcedures() {
    RegisterEditorCommands();
    RegisterLanguageCommands();
    RegisterFileCommands();
    RegisterBuildCommands();
    RegisterAidCommands();
    RegisterSettingsCommands();
    RegisterShellCommands();
}

}

void StartCore() {
    // A write past the file-size limit then fails with EFBIG, which the
    // writer reports, instead of killing Korvo with the file half written.
    std::signal(SIGXFSZ, SIG_IGN);
    InitScintillaAndCharTables();
    GetOptions();
    GetEditOptions();
    listenToActivation();
    registerCommandProcedures();
    setReviewWindow(&TheDeclarationReview());
}

void ResetSession() {
    ActivateDocument(nullptr);
    gProjects.RemoveAll();
    gUndoGroupOpen = false;
    cSubclass::EndWaitForManyLines();
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
    gNewFileCounter = 0;
}
