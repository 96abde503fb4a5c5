#include "shell/frmMain.h"

#include "foundation/errors/ErrorLog.h"
#include "vocabulary/SettingsValues.h"
#include "shell/StatusObjects.h"

namespace {

// Editing commands that repeat while their key is held.
const char* const kAutoRepeatCommands[] = {
    "Undo", "Redo", "Paste", "New Line", "Cycle Private", "Paste Private", "Find Next", "Find Previous",
    "Indent Selection", "UnIndent Selection", "Word Left", "Word Left Extend", "Word Right", "Word Right Extend",
    "Delete Word Left", "Delete Word Right", "Move Current Line Up", "Move Current Line Down", "Next Function",
    "Previous Function", "Previous Bookmark", "Next Bookmark", "Goto Previous Position", "Goto Next Position",
    "Next File Tab", "Previous File Tab",
};

}

// Adapts the loaded layout to what the code expects: the cached status
// objects and the option-driven list lengths and panes. A layout without
// one of the status objects is reported and the rest is skipped.
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
        gPositionPane->setWidth(1170);
        gStatusProgressBar = &DS->command(QStringLiteral("StatusProgressBar"));
        DS->command(QStringLiteral("StatusTime")).setVisible(gDisplayTimeInStatusBar != 0);
        gEdit1Pane = &DS->command(QStringLiteral("Edit1"));
        gEdit1Pane->setWidth(50000);
        ApplyCommandsAutoRepeat();
    } catch (...) {
        SetErrorLog(QStringLiteral("AdditionalUISetup"), QStringLiteral("frmMain"));
    }
}

void frmMain::ApplyCommandsAutoRepeat() {
    for (const char* key : kAutoRepeatCommands)
        if (dock::Command* command = DS->findCommand(QLatin1String(key)))
            command->setAutoRepeat(true);
}
