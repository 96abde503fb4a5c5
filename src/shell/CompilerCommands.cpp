#include "shell/CompilerCommands.h"

#include "build/ActiveCompiler.h"
#include "build/BuildState.h"
#include "build/Compile.h"
#include "build/CompilerList.h"
#include "editor/ActiveDocument.h"
#include "editor/CurrentView.h"
#include "editor/Navigation.h"
#include "editor/frmDoc.h"
#include "files/Project.h"
#include "foundation/FileHelpers.h"
#include "foundation/errors/ErrorLog.h"
#include "language/keywords/ActiveKeywords.h"
#include "language/parser/DocumentPasses.h"
#include "platform/DetachedStart.h"
#include "platform/Host.h"
#include "platform/KorvoError.h"
#include "platform/Prompt.h"
#include "platform/dock/DockLayer.h"
#include "platform/dock/HostLayer.h"
#include "vocabulary/SettingsValues.h"

namespace {

dock::Command* findCommand(const char* key) {
    dock::DockLayer* layer = dock::hostLayer();
    return layer ? layer->findCommand(QLatin1String(key)) : nullptr;
}

bool selectCompiler(const QString& name) {
    if (!gActiveProject || !gCompilers.Exist_Key(name))
        return false;
    // A compiler whose keywords do not load made its empty tables current: the active compiler's come back.
    const KeywordSet activeKeywords = gKeywords;
    if (!gCompilers.Item(name)->SetDefaultKeywords()) {
        gKeywords = activeKeywords;
        return false;
    }
    gActiveProject->Compiler = name;
    gActiveCompiler = gCompilers.Item(gActiveProject->Compiler);
    // What the document declares depends on the keywords: its declarations are made again.
    if (IsEditorActive())
        ReparseFile();
    if (!gActiveProject->SingleFile && gActiveDoc)
        gActiveDoc->CompilerUsed = gActiveProject->Compiler;
    return true;
}

}

void cboCompilers() {
    try {
        dock::Command* combo = findCommand("cboCompilers");
        if (!combo)
            return;
        const QString name = combo->text();
        const QString active = gActiveCompiler ? gActiveCompiler->Name : QString();
        if (name != active && !selectCompiler(name))
            combo->setText(active);
        FocusEditor();
    } catch (...) {
        SetErrorLog(QStringLiteral("cboCompilers"), QStringLiteral("Mod_MenuCommands"));
    }
}

void ApplyCommandLineCombo() {
    if (!gActiveProject)
        return;
    if (const dock::Command* combo = findCommand("cboCommandLine"))
        gActiveProject->CommandLine = combo->text();
}

void RunLastCreatedExe() {
    if (gLastCreatedExe.isEmpty())
        return;
    if (!PathExists(gLastCreatedExe)) {
        platform::MsgBox(QStringLiteral("File ") + gLastCreatedExe + QStringLiteral(" not found !"),
                         platform::vbOKOnly | platform::vbExclamation);
        return;
    }
    QString failure;
    if (!platform::startDetached({gLastCreatedExe, {}, {}}, failure))
        RaiseError(ErrPathFileAccess, failure);
}

void CompileAndRun() {
    if (gActiveDoc)
        Compile(gActiveDoc->FullFilename, false);
}

void DebugCompile() {
    if (gActiveDoc)
        Compile(gActiveDoc->FullFilename, true);
}

void CreateExecutable() {
    if (gActiveDoc)
        CreateExe(gActiveDoc->FullFilename);
}

void CompileAndRunLast() {
    try {
        platform::host().activateDocumentWindow(gLastCompiledFile);
    } catch (const KorvoError&) {
        return;
    }
    CompileAndRun();
}

void ShowProgramCommandLine() {
    dock::DockLayer* layer = dock::hostLayer();
    if (!layer)
        return;
    layer->bar(QStringLiteral("Command Line")).setVisible(true);
    if (QWidget* box = layer->firstToolBarWidget(QStringLiteral("Command Line")))
        box->setFocus();
}
