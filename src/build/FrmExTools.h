#pragma once

#include "build/ExternalTool.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QToolButton;

// " Setup External Tools": edits the tools of gExternalTools in place. OK and
// Apply save them and refill the tools menu; Cancel, Escape and the close
// box throw away every edit since the last save by reloading the file.
class FrmExTools : public QDialog {
    Q_OBJECT
public:
    explicit FrmExTools(QWidget* parent = nullptr);

    void reject() override;

private:
    void buildControls();
    void FillToolList();
    void ShowTool();
    void LockToolFields(bool lock);
    void lvExTools_ItemClick();
    void cmdBrowse_Click();
    void cmdAdd_Click();
    void cmdRename_Click();
    void cmdRemove_Click();
    void cmdOK_Click();
    void cmdApply_Click();
    void selectEntry(const QString& caption);

    QListWidget* lvExTools = nullptr;
    QLineEdit* txtToolPath = nullptr;
    QLineEdit* txtToolParameters = nullptr;
    QCheckBox* chkAskForConfirmation = nullptr;
    QToolButton* cmdBrowse = nullptr;
    ExToolPtr CurrentTool;
};

// The choices of the dialog when the prompt seam answers for it, default first.
enum ExToolsFormChoice { ExToolsFormCancel = 0, ExToolsFormOK = 1 };

// The command "External Tools": shows the dialog modally through the prompt seam.
void ShowExToolsDialog(QWidget* owner);
