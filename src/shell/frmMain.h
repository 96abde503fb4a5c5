#pragma once

#include "platform/dock/DockEvents.h"
#include "platform/dock/DockLayer.h"
#include "shell/MainWindowHost.h"
#include "shell/QuickHelpLine.h"

#include <QMainWindow>
#include <QPointer>

class frmDoc;
class InstanceReceiver;

// Korvo's one main window: its docking layer DS holds every command, bar,
// pane, dock panel and document tab, and its events come here. The load,
// shutdown and document handlers live in files of their own.
class frmMain : public QMainWindow, public dock::DockEvents {
    Q_OBJECT
public:
    frmMain();
    ~frmMain() override;

    dock::DockLayer* DS;
    QuickHelpLine* Rtb;

    // The load sequence: layouts, status objects, dock panels, placement, lists.
    void Form_Load();
    // Puts the quick-help line and the five tool forms in place.
    void AddDockForms(bool FirstTimeLoading);
    // Fills the compiler and command-line combos and shows the active
    // compiler and project command line in them: a layout brings them back empty.
    void FillCommandCombos();
    // Opens the help browser as the document window "HELP WINDOW", when there is one.
    void OpenBrowser();
    // A second start's message: brings the window forward and opens its files.
    void Text1_Change(const QString& text);
    // Width of a text in the main window's font, in twips.
    double TextWidth(const QString& text) const;

    frmDoc* ActiveDocument() const;
    void UpdateCommandUI();
    void UpdateSciCommandUI();
    void AdditionalUISetup();
    void ApplyCommandsAutoRepeat();
    void DS_DocumentWindowActivate(dock::DocumentWindow& window);
    // Runs the procedure of a command's key, for "Sci" and "SciFocus"
    // commands only while an editor is active.
    void DS_CommandClick(dock::Command& command);
    // Closes the main window through its shutdown, which may be cancelled.
    void UnloadMainWindow();

    // Docking events.
    void CommandClick(dock::Command& command) override;
    void DocumentWindowActivate(dock::DocumentWindow& window) override;
    void DocumentWindowDeactivate(dock::DocumentWindow& window) override;
    void DocumentWindowHiding(dock::DocumentWindow& window, bool& cancel) override;
    void DocumentWindowClosed(dock::DocumentWindow& window) override;
    void NoActiveDocument() override;
    void ComboTextEntered(dock::Command& command) override;
    void ShortcutAboutToRun(dock::Command& command, const QKeySequence& keys, bool& cancel) override;
    void ShortcutTakenTwice(dock::Command& kept, dock::Command& dropped, const QString& shortcut) override;
    void DocumentWindowContextClick(dock::DocumentWindow& window, dock::HitArea area, bool& cancel) override;
    void DocumentWindowDblClick(dock::DocumentWindow& window, dock::HitArea area, bool& cancel) override;
    void DockWindowShown(dock::DockWindow& window) override;
    void DockWindowHidden(dock::DockWindow& window) override;
    void CustomizationEnd() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void AttachDockForm(const QString& key, QWidget* form, bool FirstTimeLoading);
    void AdditionalCommands();
    void ShowTabMenu();
    void ShowEditorMenu(dock::DocumentWindow& window);
    // The shutdown sequence; true when it was cancelled.
    bool Form_QueryUnload();

    QList<QPointer<QWidget>> dockForms_;
    MainWindowHost host_;
    InstanceReceiver* receiver_ = nullptr;
};

// The main window while it exists.
frmMain* MainWindow();

// The last window state that was not minimised: 0 normal, 2 maximised.
extern int gLastWindowState;
