#pragma once

#include "settings/OptionsDialog.h"

struct OptionField;

// "Editor options": the settings of section "OptionsEdit". Apply writes
// them, reloads the values and puts them into every open editor at once.
class FrmOptionsEdit : public OptionsDialog {
    Q_OBJECT
public:
    explicit FrmOptionsEdit(QWidget* parent = nullptr);

protected:
    bool apply() override;

private:
    void buildGeneralPage();
    void buildCodingHelpPage();
    void buildAutocompletePage();
    void buildHelpPage();
    void buildAutoScrollPage();
    void loadValues();
    // What the field's control shows, as Apply writes it.
    QString shownValue(const OptionField& field) const;
    void EnableWrapOptions(bool enable);
    void chkACShowAuto_Click();
};

// The command "Editor Settings": the dialog, modal, through the prompt seam.
void ShowEditorOptions(QWidget* owner);
