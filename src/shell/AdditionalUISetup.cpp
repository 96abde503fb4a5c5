#include "shell/frmMain.h"

#include "foundation/errors/ErrorLog.h"
#include "language/colour/ColouringFlags.h"
#include "platform/KorvoError.h"
#include "vocabulary/SettingsValues.h"
#include "vocabulary/StyleNumbers.h"
#include "shell/StatusObjects.h"

#include <algorithm>
#include <optional>

namespace {

// Editing commands that repeat while their key is held.
const char* const kAutoRepeatCommands[] = {
    "Undo", "Redo", "Paste", "New Line", "Cycle Private", "Paste Private", "Find Next", "Find Previous",
    "Indent Selection", "UnIndent Selection", "Word Left", "Word Left Extend", "Word Right", "Word Right Extend",
    "Delete Word Left", "Delete Word Right", "Move Current Line Up", "Move Current Line Down", "Next Function",
    "Previous Function", "Previous Bookmark", "Next Bookmark", "Goto Previous Position", "Goto Next Position",
    "Next File Tab", "Previous File Tab",
};

// Where a command that older layouts lack goes in its popup.
struct Placement {
    const char* popup;
    const char* after = nullptr;  // right after this entry; null: at the end
    bool endWhenMissing = false;  // without the entry: at the end rather than nowhere
    bool groupStart = false;
};

// A command that older layouts lack: added with its category (which an
// existing command gets too) and placed only when it was new.
struct AddedCommand {
    dock::CommandKind kind;
    const char* key;
    const char* caption;
    const char* group;
    std::optional<const char*> category;
    Placement placement;
};

const AddedCommand kAddedCommands[] = {
    {dock::CommandKind::Plain, "Save All Files", "Save All Files", "File", "Sci", {"File", "Save File As"}},
    {dock::CommandKind::Popup, "ExternalToolsPopupMenu", "Run External Tool", "Built-In Menus", std::nullopt,
     {"Compile", nullptr, false, true}},
    {dock::CommandKind::Plain, "Edit Userlibs", "Edit Userlibs", "Compile", "", {"Compile", nullptr, false, true}},
    {dock::CommandKind::Plain, "Customize UI", "Customize UI", "Settings", "", {"Settings", nullptr, false, true}},
    {dock::CommandKind::Plain, "Insert Scancode", "Insert Scancode", "Insert", "Sci", {"Insert"}},
    {dock::CommandKind::Plain, "Strict Mode", "Strict Mode", "Compile", "", {"Compile", nullptr, false, true}},
    {dock::CommandKind::List, "MRUExternalTools", "MRUExternalTools", "", std::nullopt, {"ExternalToolsPopupMenu"}},
    {dock::CommandKind::Plain, "External Tools", "External Tools", "Settings", std::nullopt, {"Settings", "Edit HotCodes"}},
    {dock::CommandKind::Plain, "Review Declarations", "Review Declarations", "Compile", "Sci",
     {"Compile", "Edit Userlibs", true, true}},
};

void place(dock::DockLayer& layer, const char* key, const Placement& placement) {
    dock::Command& popup = layer.command(QLatin1String(placement.popup));
    int position = 0;
    if (placement.after) {
        const int after = popup.findControl(QLatin1String(placement.after));
        if (after == 0 && !placement.endWhenMissing)
            return;
        position = after == 0 ? 0 : after + 1;
    }
    popup.addControl(QLatin1String(key), position, placement.groupStart);
}

// A fresh layout starts in strict mode, with the toggle on the compiler bar.
void setUpStrictMode(dock::DockLayer& layer) {
    layer.bar(QStringLiteral("CompilerToolBar")).addControl(QStringLiteral("Strict Mode"));
    dock::Command& strict = layer.command(QStringLiteral("Strict Mode"));
    strict.setCaption(QStringLiteral(" Strict On"));
    strict.setChecked(1);
    gStrictModeStyle = STYLE_Bad;
}

}

// Adapts the loaded layout to what the code expects: the cached status
// objects, the option-driven list lengths and panes, and the commands that
// layouts stored by older versions lack. A layout without one of the status
// objects is reported and the rest is skipped.
void frmMain::AdditionalUISetup() {
    gStatusMain = nullptr;
    gStatusBar = nullptr;
    gPositionPane = nullptr;
    gStatusProgressBar = nullptr;
    gEdit1Pane = nullptr;
    try {
        gStatusMain = &DS->command(QStringLiteral("StatusMain"));
        gStatusMain->setPicture(QStringLiteral("Functions"));
        gStatusMain->setText(QString());
        for (const char* key : {"FileRecentFiles", "FileRecentProjects"})
            DS->command(QLatin1String(key)).setMaxItems(gRecentFiles);
        gStatusBar = &DS->bar(QStringLiteral("StatusBar"));
        gPositionPane = &DS->command(QStringLiteral("Position"));
        // Wide enough for a line of six digits and a column of five, so that the pane keeps its width.
        gPositionPane->setWidth(std::max(1170, int(TextWidth(QStringLiteral("L: 999999 C: 99999"))) + 120));
        gStatusProgressBar = &DS->command(QStringLiteral("StatusProgressBar"));
        DS->command(QStringLiteral("StatusTime")).setVisible(gDisplayTimeInStatusBar != 0);
        gEdit1Pane = &DS->command(QStringLiteral("Edit1"));
        gEdit1Pane->setWidth(50000);
        ApplyCommandsAutoRepeat();
    } catch (...) {
        SetErrorLog(QStringLiteral("AdditionalUISetup"), QStringLiteral("frmMain"));
        return;
    }
    AdditionalCommands();
}

// Every step on its own: a layout that lacks a popup or a bar loses only
// the steps that need it.
void frmMain::AdditionalCommands() {
    try {
        DS->command(QStringLiteral("WindowList")).setMaxItems(500);
    } catch (const KorvoError&) {
    }
    for (const AddedCommand& row : kAddedCommands) {
        const QLatin1String key(row.key);
        bool added = false;
        try {
            DS->addCommand(row.kind, key, QLatin1String(row.caption), QLatin1String(row.group));
            added = true;
        } catch (const KorvoError&) {
        }
        try {
            if (dock::Command* command = DS->findCommand(key); command && row.category)
                command->setCategory(QLatin1String(*row.category));
            if (added) {
                place(*DS, row.key, row.placement);
                if (key == QLatin1String("Strict Mode"))
                    setUpStrictMode(*DS);
            }
        } catch (const KorvoError&) {
        }
    }
}

void frmMain::ApplyCommandsAutoRepeat() {
    for (const char* key : kAutoRepeatCommands)
        if (dock::Command* command = DS->findCommand(QLatin1String(key)))
            command->setAutoRepeat(true);
}
