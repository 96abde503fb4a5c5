#pragma once

#include "aids/SearchEngine.h"
#include "foundation/Mru.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// " Find": the modeless find and replace dialog of the main window. Once
// loaded it is hidden, never destroyed, until Korvo closes; its options live
// in the settings section "FindOptions" and its texts in the recent lists.
class FrmFind : public QDialog {
    Q_OBJECT
public:
    explicit FrmFind(QWidget* owner);

    SearchEngine& Engine() { return engine_; }
    // Fills the find box from the selection, the word at the caret or the
    // newest recent text; Replace also performs "&Replace".
    void StartFind(bool Replace);
    // Moves the dialog off a match lying under it (positions of the current view).
    void RepositionDialog(long SelStart, long SelEnd);
    // Saves the options and the recent lists.
    void Form_Unload();

    void cmdFind_Click();
    void cmdFindPrev_Click();
    void cmdMarkAll_Click();
    void cmdReplace_Click();
    void cmdReplaceAll_Click();
    void cmdInsertWordUnderCursor_Click();
    void cmdCancel_Click();

    QLabel* lblFind;
    QComboBox* cboFind;
    QPushButton* cmdInsertWordUnderCursor;
    QPushButton* cmdFind;
    QPushButton* cmdFindPrev;
    QPushButton* cmdMarkAll;
    QPushButton* cmdReplace;
    QLabel* lblReplace;
    QComboBox* cboReplace;
    QPushButton* cmdReplaceAll;
    QPushButton* cmdCancel;
    QGroupBox* Frame2;
    QGroupBox* Frame3;
    std::array<QRadioButton*, 2> optStartAt;
    std::array<QRadioButton*, 4> optSearchIn;
    QCheckBox* chkMatchCase;
    QCheckBox* chkWholeWord;
    QCheckBox* chkWordStart;
    QCheckBox* chkRegExp;
    QWidget* PicBox;

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void Form_Load();
    void SetLayout(bool replaceOpen);
    void OptionChanged();
    void optSearchIn_Click(int Index);
    void chkRegExp_Click();
    void SyncOptions();
    void FocusFindText();
    void ShowSequence();
    void FillFromRecent(QComboBox* box, const ClsMRU& list);
    bool ReplacePartOpen() const;

    SearchEngine engine_;
};

// The dialog as the main window and the commands see it.
namespace frmFind {
// True from the end of loading to unloading.
bool Loaded();
// Loads the dialog, hidden, when it is not loaded yet.
FrmFind& Instance();
void Hide();
// Saves and destroys it: Korvo is closing.
void Unload();
}
