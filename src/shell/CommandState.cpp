#include "shell/frmMain.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "editor/ActiveDocument.h"
#include "files/Project.h"
#include "foundation/errors/ErrorLog.h"

namespace {

void enable(dock::DockLayer& layer, const char* key, bool enabled) {
    if (dock::Command* command = layer.findCommand(QLatin1String(key)))
        command->setEnabled(enabled);
}

// Switches redrawing off for a scope, back on however it ends.
class RedrawOff {
public:
    explicit RedrawOff(dock::DockLayer& layer) : layer_(layer) { layer_.setRedraw(false); }
    ~RedrawOff() { layer_.setRedraw(true); }

private:
    dock::DockLayer& layer_;
};

}

frmDoc* frmMain::ActiveDocument() const {
    const dock::DocumentWindow* window = DS->documents().active();
    if (!window || window->key() == QLatin1String("HELP WINDOW"))
        return nullptr;
    return qobject_cast<frmDoc*>(window->form());
}

void frmMain::UpdateCommandUI() {
    const RedrawOff redrawOff(*DS);
    try {
        const bool active = IsEditorActive();
        enable(*DS, "Save File", active);
        enable(*DS, "Save File As", active);
        for (dock::Command* command : DS->commands())
            if (command->category() == QLatin1String("Sci") || command->category() == QLatin1String("SciFocus"))
                command->setEnabled(active);
        if (active) {
            enable(*DS, "Undo", SciCanUndo());
            enable(*DS, "Redo", SciCanRedo());
            if (gActiveProject) {
                enable(*DS, "Close File", gActiveProject->SingleFile);
                enable(*DS, "Close Project", !gActiveProject->SingleFile);
            }
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("UpdateCommandUI"), QStringLiteral("frmMain"));
    }
}

void frmMain::UpdateSciCommandUI() {
    try {
        enable(*DS, "Undo", SciCanUndo());
        enable(*DS, "Redo", SciCanRedo());
    } catch (...) {
        SetErrorLog(QStringLiteral("UpdateSciCommandUI"), QStringLiteral("frmMain"));
    }
}
