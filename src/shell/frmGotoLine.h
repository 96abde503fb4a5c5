#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// "GoTo Line": asks for a 1-based line number of the active document and
// moves the caret there. Hidden, not destroyed, when done, so that it keeps
// the last number.
class frmGotoLine : public QDialog {
    Q_OBJECT
public:
    explicit frmGotoLine(QWidget* parent = nullptr);

    // Each time it is shown: the range of the current view's lines, and the
    // last number selected so that typing replaces it.
    void Form_Activate();
    // Goes to the line and hides the dialog when the number names a line;
    // otherwise nothing happens and the dialog stays open.
    void cmdOK_Click();

    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QLineEdit* txtLine = nullptr;
    QLabel* lblRange = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

// The one dialog, owned by the window of the active document.
frmGotoLine& GotoLineForm();

// "Goto Line": closes the completion list, shows the dialog modally, then
// gives the focus back to the editor.
void ShowGotoLine();
