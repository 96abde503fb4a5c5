#pragma once

#include <QDialog>

class QButtonGroup;
class QCheckBox;

// " Change UI Style": the look of the docking windows and of the command
// bars, each applied at once by its own Apply, and whether the desktop's
// visual style is used from the next start. Whichever way it closes, it
// stores the two looks it holds and the visual-style value; only "&OK"
// takes a change of the check box.
class frmStyles : public QDialog {
    Q_OBJECT
public:
    explicit frmStyles(QWidget* parent = nullptr);

    void done(int result) override;

private:
    void buildControls();
    void cmdDockWndApply_Click();
    void cmdBarApply_Click();
    void OKButton_Click();

    QButtonGroup* dockWindowButtons_ = nullptr;
    QButtonGroup* commandBarButtons_ = nullptr;
    QCheckBox* chkUseWinXpVisuals = nullptr;
    QString dockWindowStyle_;
    QString commandBarStyle_;
    int useVisuals_ = 1;
    bool stored_ = false;
};

// The command "UI Styles": shows the dialog modally through the prompt seam.
void ShowUIStylesDialog(QWidget* owner);
