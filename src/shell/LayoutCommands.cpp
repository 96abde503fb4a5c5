#include "shell/LayoutCommands.h"

#include "files/RecentFilesProjects.h"
#include "foundation/FileHelpers.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/AtomicFileWrite.h"
#include "platform/Prompt.h"
#include "platform/SettingsStore.h"
#include "platform/WindowUpdateLock.h"
#include "shell/LayoutSlots.h"
#include "shell/WindowPlacement.h"
#include "shell/frmMain.h"

#include <QApplication>

#include <optional>

namespace {

// Keeps the main window still while its layout is exchanged; drawing comes
// back on every way out, also after an error.
class FrozenMainWindow {
public:
    FrozenMainWindow(frmMain& main, bool stopRedraw) : main_(main), stopRedraw_(stopRedraw) {
        if (stopRedraw_)
            main_.DS->setRedraw(false);
        locked_.emplace(&main_);
    }
    ~FrozenMainWindow() {
        if (stopRedraw_)
            main_.DS->setRedraw(true);
        locked_.reset();
        // What the closed menu or message uncovered while the window was
        // frozen shows only once the window is drawn again: now, not at its
        // next change.
        main_.repaint();
    }
    FrozenMainWindow(const FrozenMainWindow&) = delete;
    FrozenMainWindow& operator=(const FrozenMainWindow&) = delete;

private:
    frmMain& main_;
    bool stopRedraw_;
    std::optional<platform::ScopedWindowUpdateLock> locked_;
};

// The quick-help line lives in a status pane that a layout load rebuilds.
void keepQuickHelpLine(frmMain& main) {
    main.Rtb->setParent(&main);
    main.Rtb->hide();
}

int windowState(const frmMain& main) {
    if (main.isMinimized())
        return 1;
    return main.isMaximized() ? 2 : 0;
}

}

void SaveAsLayout(int slot) {
    try {
        frmMain* main = MainWindow();
        if (!main || main->isMinimized())
            return;
        const QString section = LayoutSectionName(slot);
        if (!main->DS->saveLayout(LayoutFilePath(slot))) {
            platform::ShowWriteFailure(LayoutFilePath(slot));
            return;
        }
        SaveBounds(section, *main);
        platform::SaveSetting(section, QStringLiteral("MainState"), QString::number(windowState(*main)));
    } catch (...) {
        SetErrorLog(QStringLiteral("SaveAsLayout"), QStringLiteral("Mod_MenuCommands"));
    }
}

void SwitchToLayout(int slot) {
    try {
        frmMain* main = MainWindow();
        if (!main)
            return;
        const QString path = LayoutFilePath(slot);
        if (!PathExists(path)) {
            platform::MsgBox(QStringLiteral("Layout ") + QString::number(slot) +
                                 QStringLiteral(" is not created yet or is incorrect UI version !"),
                             platform::vbOKOnly | platform::vbExclamation);
            return;
        }
        keepQuickHelpLine(*main);
        FrozenMainWindow frozen(*main, true);
        main->DS->loadLayout(path);
        main->AdditionalUISetup();
        main->AddDockForms(false);
        main->FillCommandCombos();
        const WindowPlacement placement = ReadSlotPlacement(LayoutSectionName(slot));
        if (placement.state == 2)
            main->setWindowState(Qt::WindowMaximized);
        else
            ApplyPlacement(*main, placement);
        QApplication::processEvents();
    } catch (...) {
        SetErrorLog(QStringLiteral("SwitchToLayout"), QStringLiteral("Mod_MenuCommands"));
    }
}

void ResetLayout() {
    try {
        frmMain* main = MainWindow();
        if (!main)
            return;
        const int answer = platform::MsgBox(
            QStringLiteral("Are you sure you want to revert to the default layout settings ? \r"
                           "All menus, commands and hotkeys will also be reverted to their default state !"),
            platform::vbYesNo | platform::vbQuestion, QStringLiteral("Korvo - Reset Layout"));
        if (answer != platform::vbYes)
            return;
        SaveRecentFilesProjects();
        keepQuickHelpLine(*main);
        {
            FrozenMainWindow frozen(*main, false);
            if (!main->DS->loadLayout(DefaultLayoutPath()))
                main->DS->loadLayout(BuiltInLayoutPath());
            main->AdditionalUISetup();
        }
        main->setWindowState(Qt::WindowNoState);
        main->AddDockForms(true);
        main->FillCommandCombos();
        LoadRecentFilesProjects();
    } catch (...) {
        SetErrorLog(QStringLiteral("ResetLayout"), QStringLiteral("Mod_MenuCommands"));
    }
}
