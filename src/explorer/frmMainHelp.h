#pragma once

#include "platform/dock/DockEvents.h"

#include <QMainWindow>
#include <QPointer>

class frmBrowser;
namespace dock {
class DockLayer;
}

// The help browser: the form of the main window's document window "HELP
// WINDOW", with a docking layer of its own (DSHelp) whose document windows
// are the help tabs. Its commands browse the active compiler's help
// folder; its layout is kept in Layouts/Layout0.8_h.mp below the program
// folder, without the address history.
class frmMainHelp : public QMainWindow, public dock::DockEvents {
    Q_OBJECT
public:
    // A help window that does not keep its layout reads and writes no file.
    explicit frmMainHelp(bool keepsLayout = true);
    ~frmMainHelp() override;

    dock::DockLayer* DSHelp;
    // The current tab: always DSHelp's active window's, none without tabs.
    frmBrowser* ActiveTab() const;

    bool ShowBrowserHelp(const QString& Keyword);
    void AddNewHelpTab();
    void UpdateHelpCommandUI();
    // The tab's document window caption; nothing when it has none.
    void SetTabCaption(const frmBrowser& tab, const QString& caption);
    QString TabCaption(const frmBrowser& tab) const;
    // Puts the address first in the address box's history.
    void RememberAddress(const QString& address);
    // A tab reports its load progress; only the current one's is shown.
    void ShowProgress(const frmBrowser& tab);
    // What the progress pane shows now.
    int ProgressValue() const { return progressValue_; }
    int ProgressMaximum() const { return progressMaximum_; }
    // A new tab behind the current one, navigated to the address.
    void OpenInNewTabBehind(const QString& address);
    // Runs a command of DSHelp by key, as a click would.
    void RunCommand(const QString& key);
    // Saves the layout without the address history; once.
    void Form_QueryUnload();

    static QString LayoutFilePath();

    // Docking-layer events.
    void CommandClick(dock::Command& command) override;
    void ComboTextEntered(dock::Command& command) override;
    void DocumentWindowActivate(dock::DocumentWindow& window) override;
    void DocumentWindowHiding(dock::DocumentWindow& window, bool& cancel) override;
    void DocumentWindowClosed(dock::DocumentWindow& window) override;
    void DocumentWindowContextClick(dock::DocumentWindow& window, dock::HitArea area, bool& cancel) override;
    void DocumentWindowDblClick(dock::DocumentWindow& window, dock::HitArea area, bool& cancel) override;
    void NoActiveDocument() override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void navigateCurrent(const QString& address);
    void openHelpPage(const QString& page);
    void setProgress(int value, int maximum);

    QPointer<frmBrowser> activeTab_;
    int progressValue_ = 0;
    int progressMaximum_ = 100;
    bool keepsLayout_;
    bool unloaded_ = false;
};
