#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// One use of the edit dialog: its mode, what it shows, and, once OK has
// stored the hot code, the name and text stored.
struct HotCodeEdit {
    // Edits the hot code named EditedKey (else adds one).
    bool EditMode = false;
    QString EditedKey;
    QString Title = QStringLiteral(" Create HotCode");
    QString OkCaption = QStringLiteral("&Add");
    QString Name;
    QString Text;
};

// What OK does: stores the hot code as the mode says and returns true, or
// tells the user why not ("Invalid HotCode!", a name already there) and
// returns false with the store unchanged. An edited hot code moves to the
// end of the store.
bool CommitHotCodeEdit(const HotCodeEdit& edit);

// The hot-code edit dialog: a name and a text of CR LF lines.
class FrmHotCodesEdit : public QDialog {
    Q_OBJECT
public:
    explicit FrmHotCodesEdit(const HotCodeEdit& edit, QWidget* parent = nullptr);

    // The name and text as typed, the text's line breaks as CR LF.
    QString HotCodeName() const;
    QString HotCodeText() const;

protected:
    bool event(QEvent* event) override;

private:
    void cmdOk_Click();

    HotCodeEdit edit_;
    QLineEdit* txtHotCode = nullptr;
    QPlainTextEdit* txtCode = nullptr;
    QPushButton* cmdCancel = nullptr;
};

// The choices of the edit dialog when the prompt seam answers for it,
// default first; with OK the answer's text is the name typed.
enum HotCodesEditChoice { HotCodesEditCancel = 0, HotCodesEditOk = 1 };

// Shows the edit dialog modally through the prompt seam; true when OK
// stored the hot code, whose name and text are then in edit.
bool ShowHotCodesEdit(QWidget* owner, HotCodeEdit& edit);
