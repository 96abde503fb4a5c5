#include "shell/DocumentActivation.h"

#include "aids/FindDialog.h"
#include "build/ActiveCompiler.h"
#include "editor/CurrentView.h"
#include "editor/EditorSetup.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "explorer/frmList.h"
#include "explorer/frmMainList.h"
#include "editor/ActiveDocument.h"
#include "files/Project.h"
#include "files/OpenDocuments.h"
#include "files/ProjectCompiler.h"
#include "files/SaveDocuments.h"
#include "foundation/errors/ErrorLog.h"
#include "language/complete/CallTips.h"
#include "language/complete/QuickHelp.h"
#include "language/editing/NotificationHandler.h"
#include "language/model/ScopeQueries.h"
#include "language/parser/DocumentPasses.h"
#include "language/parser/ParseState.h"
#include "language/parser/Parser.h"
#include "platform/Prompt.h"
#include "vocabulary/SettingsValues.h"
#include "shell/StatusObjects.h"
#include "shell/frmMain.h"
#include "vocabulary/WindowKeys.h"

QString gActiveDocWindowKey;
QString gPreviousDocWindowKey;

namespace {

frmDoc* hostedDocument(const dock::DocumentWindow& window) {
    return qobject_cast<frmDoc*>(window.form());
}

void setComboText(dock::DockLayer& layer, const char* key, const QString& text) {
    if (dock::Command* combo = layer.findCommand(QLatin1String(key)))
        combo->setText(text);
}

// The position pane and the help browser's progress pane share their place.
void showProgressPane(QuickHelpLine& rtb, bool progress) {
    if (!gStatusProgressBar || !gPositionPane || gStatusProgressBar->visible() == progress)
        return;
    rtb.setText(QString());
    gStatusProgressBar->setVisible(progress);
    gPositionPane->setVisible(!progress);
}

void activateEditorDocument(frmMain& main, frmDoc& doc) {
    ActivateDocument(&doc);
    gCurrentFunction.clear();
    gCurrentType.clear();
    gIgnoreSciModified = false;
    if (!gActiveProject)
        return;
    if (gActiveProject->Compiler.isEmpty())
        gActiveProject->Compiler = DefaultCompilerName();
    ActivateCompiler(gActiveProject->Compiler);
    if (!gActiveProject->SingleFile) {
        if (doc.CompilerUsed != gActiveProject->Compiler) {
            ReparseFile();
            doc.CompilerUsed = gActiveProject->Compiler;
        }
        if (frmList::ShowOnlyFile)
            frmMainList::AllConstructsDirty();
    }
    setComboText(*main.DS, "cboCompilers", gActiveCompiler ? gActiveCompiler->Name : QString());
    setComboText(*main.DS, "cboCommandLine", gActiveProject->CommandLine);
    const long line = SciLineFromPosition(SciGetCurrentPos());
    if (ShowCurrentFunction != 0 && gStatusMain)
        gStatusMain->setText(CurrentFunctionForDisplay(int(line)));
    showProgressPane(*main.Rtb, false);
    quickHelp().clear();
    ShowHelp(SciGetCurrentPos(), line);
    main.UpdateCommandUI();
    SciGrabFocus();
}

}

void frmMain::DS_DocumentWindowActivate(dock::DocumentWindow& window) {
    try {
        if (window.nonDocument() || !window.form())
            return;
        if (window.key() != kHelpWindowKey) {
            if (frmDoc* doc = hostedDocument(window))
                activateEditorDocument(*this, *doc);
        } else {
            showProgressPane(*Rtb, true);
            if (frmFind::Loaded())
                frmFind::Hide();
            UpdateCommandUI();
        }
        gPreviousDocWindowKey = gActiveDocWindowKey;
        gActiveDocWindowKey = window.key();
    } catch (...) {
        SetErrorLog(QStringLiteral("DS_DocumentWindowActivate"), QStringLiteral("frmMain"));
    }
}

void frmMain::DocumentWindowActivate(dock::DocumentWindow& window) {
    DS_DocumentWindowActivate(window);
}

void frmMain::DocumentWindowDeactivate(dock::DocumentWindow& window) {
    if (window.nonDocument() || window.key() == kHelpWindowKey)
        return;
    if (frmDoc* doc = hostedDocument(window)) {
        // The document leaving parses what it held back while it is still current.
        ScopedCurrentView leaving(*doc);
        doc->m_oSubclass->DeactivateCheck();
    }
}

void frmMain::DocumentWindowHiding(dock::DocumentWindow& window, bool& cancel) {
    try {
        frmDoc* doc = hostedDocument(window);
        if (window.nonDocument() || !doc || window.key() == kHelpWindowKey || !doc->Dirty())
            return;
        QPointer<frmDoc> guard(doc);
        DS->documents().activate(window);
        const bool singleFile = !gActiveProject || gActiveProject->SingleFile;
        const int answer = platform::MsgBox(QStringLiteral("The text in the file '") + doc->Filename() +
                                                QStringLiteral("' has changed.\r\n\r\nDo you want to save the changes ?"),
                                            (singleFile ? platform::vbYesNoCancel : platform::vbYesNo) | platform::vbQuestion);
        if (answer == platform::vbCancel)
            cancel = true;
        else if (answer == platform::vbYes)
            cancel = !guard || !SaveDocument(guard);
    } catch (...) {
        SetErrorLog(QStringLiteral("DS_DocumentWindowHiding"), QStringLiteral("frmMain"));
    }
}

void frmMain::DocumentWindowClosed(dock::DocumentWindow& window) {
    if (window.nonDocument())
        SetStopErrorLog(22593);
    else if (QWidget* form = window.form()) {
        DS->documents().setForm(window, nullptr);
        if (auto* doc = qobject_cast<frmDoc*>(form))
            UnloadDocument(doc);
        else
            delete form;
    }
    DS->documents().remove(window);
    // With no document active, no function is the caret's.
    if (!gActiveDoc && gStatusMain)
        gStatusMain->setText(QString());
    if (DS->documents().windowCount() == 0)
        UpdateCommandUI();
}

void frmMain::NoActiveDocument() {
    if (gActiveDoc)
        ActivateDocument(nullptr);
}
