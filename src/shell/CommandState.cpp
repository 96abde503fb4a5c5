#include "shell/frmMain.h"

#include "editor/ActiveDocument.h"
#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "files/Project.h"
#include "foundation/errors/ErrorLog.h"
#include "foundation/errors/LogNewError.h"
#include "platform/CommandProcedures.h"
#include "platform/KorvoError.h"
#include "platform/Prompt.h"
#include "shell/RecentLists.h"
#include "vocabulary/SettingsValues.h"
#include "vocabulary/WindowKeys.h"

#include <QCursor>

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

ClsProject& activeProject() {
    if (!gActiveProject)
        RaiseError(ErrObjectVariableNotSet, QStringLiteral("Object variable or With block variable not set"));
    return *gActiveProject;
}

void runProcedure(const char* key) {
    if (const platform::CommandRow* procedure = platform::FindCommandProcedure(QLatin1String(key)))
        procedure->run({QLatin1String(key), std::nullopt});
}

// The view command that shows each dock window; "CodeExplorer" keeps its own.
const char* viewCommandOf(const QString& dockKey) {
    static const std::pair<const char*, const char*> views[] = {
        {"Projects", "Projects Manager"},
        {"Snippets", "Snippets Manager"},
        {"Output", "Output Window"},
        {"FileExplorer", "File Explorer"},
    };
    for (const auto& [dock, view] : views)
        if (dockKey == QLatin1String(dock))
            return view;
    return nullptr;
}

}

frmDoc* frmMain::ActiveDocument() const {
    const dock::DocumentWindow* window = DS->documents().active();
    if (!window || window->key() == kHelpWindowKey)
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
            enable(*DS, "Close File", activeProject().SingleFile);
            enable(*DS, "Close Project", !activeProject().SingleFile);
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

void frmMain::ComboTextEntered(dock::Command& command) {
    if (command.key() != QLatin1String("cboCommandLine"))
        return;
    gMRUCommandLine.Add(command.text());
    if (gActiveProject)
        gActiveProject->CommandLine = command.text();
}

// The key stays with the focused widget unless the command may run there:
// an editing key runs its command only while the active editor has the focus.
void frmMain::ShortcutAboutToRun(dock::Command& command, const QKeySequence&, bool& cancel) {
    if (command.category() != QLatin1String("SciFocus"))
        return;
    cancel = !IsEditorActive() || !SciGetFocus();
}

void frmMain::ShortcutTakenTwice(dock::Command& kept, dock::Command& dropped, const QString& shortcut) {
    LogNewErrorQuietly(ErrKeyAlreadyAssociated,
                       QStringLiteral("Shortcut ") + shortcut + QStringLiteral(" of ") + dropped.key() +
                           QStringLiteral(" dropped: ") + kept.key() + QStringLiteral(" holds it"),
                       QStringLiteral("ApplyLayout"), QStringLiteral("frmMain"));
}

// The Customize UI dialog lists the editor's popup with the other commands,
// so customising never shows it as an entry of the main menu; the end takes
// out any copy a layout still holds.
void frmMain::CustomizationEnd() {
    try {
        dock::CommandBar& menu = DS->bar(QStringLiteral("MainMenu"));
        while (const int position = menu.findControl(QStringLiteral("PopupMenu1")))
            menu.deleteControl(position);
    } catch (...) {
    }
    ApplyCommandsAutoRepeat();
}

void frmMain::DockWindowShown(dock::DockWindow& window) {
    if (const char* view = viewCommandOf(window.key()))
        if (dock::Command* command = DS->findCommand(QLatin1String(view)))
            command->setChecked(1);
}

void frmMain::DockWindowHidden(dock::DockWindow& window) {
    if (const char* view = viewCommandOf(window.key()))
        if (dock::Command* command = DS->findCommand(QLatin1String(view)))
            command->setChecked(0);
}

void frmMain::DocumentWindowContextClick(dock::DocumentWindow& window, dock::HitArea area, bool& cancel) {
    try {
        if (window.key() == kHelpWindowKey) {
            cancel = true;
            return;
        }
        if (area == dock::HitTab) {
            cancel = true;
            // The menu acts on the clicked tab's document, not on the one that was active.
            DS->documents().activate(window);
            ShowTabMenu();
        } else if (area == dock::HitClient) {
            ShowEditorMenu(window);
            cancel = true;
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("DS_DocumentWindowContextClick"), QStringLiteral("frmMain"));
    }
}

void frmMain::ShowTabMenu() {
    dock::Command& menu = DS->command(QStringLiteral("TabsContextMenu"));
    while (menu.controlCount() > 0)
        menu.deleteControl(1);
    menu.addControl(activeProject().SingleFile ? QStringLiteral("Close File") : QStringLiteral("Close Project"));
    menu.addControl(QStringLiteral("Close All Files"));
    menu.addControl(QStringLiteral("New Horizontal Tab Group"), 0, true);
    menu.addControl(QStringLiteral("New Vertical Tab Group"));
    DS->showPopup(menu.key());
}

// A right click outside the selection moves the caret there first.
void frmMain::ShowEditorMenu(dock::DocumentWindow& window) {
    if (frmDoc* doc = qobject_cast<frmDoc*>(window.form()); doc && doc == gActiveDoc) {
        const QPoint point = doc->Sci->viewport()->mapFromGlobal(QCursor::pos());
        const sptr_t position = SciPositionFromPoint(point.x(), point.y());
        if (position < SciGetSelectionStart() || position > SciGetSelectionEnd()) {
            SciSetAnchor(position);
            SciSetCurrentPos(position);
        }
    }
    DS->showPopup(QStringLiteral("PopupMenu1"));
}

void frmMain::DocumentWindowDblClick(dock::DocumentWindow& window, dock::HitArea area, bool& cancel) {
    if (area != dock::HitTab || window.key() == kHelpWindowKey || gDoubleClickClosesTabs == 0)
        return;
    try {
        if (activeProject().SingleFile) {
            cancel = true;
            runProcedure("Close File");
        } else {
            platform::MsgBox(QStringLiteral("You can't close a file that is part of a project !  "), platform::vbInformation);
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("DS_DocumentWindowDblClick"), QStringLiteral("frmMain"));
    }
}
