#pragma once

#include "settings/OptionsDialog.h"

class CompilerPage;

// "Preferences": the general settings of section "Options", the compiler
// list (page "&Compilers") and the file associations. "Associate now", the
// two "Clear Recent" buttons and the compiler page act at once; the rest
// waits for Apply.
class FrmOptions : public OptionsDialog {
    Q_OBJECT
public:
    explicit FrmOptions(QWidget* parent = nullptr);

    void cmdAssociate_Click();
    void cmdClearRecent_Click();
    void cmdClearRecentProjects_Click();
    void cmdBrowseBackup_Click();
    void cmdBrowseDefPage_Click();
    // The default compiler's help page under its help folder, into txtDefaultHelp.
    void setHelpPage(const QString& page);

protected:
    bool apply() override;
    void unload() override;

private:
    void buildFilesPage();
    void buildBrowserPage();
    void buildBackupPage();
    void buildGeneralPage();
    void loadValues();
    void EnableBackupOptions(bool enable);
    void chkUnsortedFunctions_Click();

    CompilerPage* compilers_ = nullptr;
};

// The command "Preferences": the dialog, modal, through the prompt seam.
void ShowPreferences(QWidget* owner);
