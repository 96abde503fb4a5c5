#pragma once

#include "aids/ScancodeTable.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Insert ScanCode...": waits for a key, shows its Blitz scancode and name,
// and inserts the number, "KeyHit(n)" or "KeyDown(n)" at the caret. While
// it waits every key comes to it, Escape and Enter included; after a
// capture keys act on the focused control until "&Reset". The form chosen
// is kept in Options/InsertScancodeType whenever it closes.
class FrmScancode : public QDialog {
    Q_OBJECT
public:
    explicit FrmScancode(QWidget* parent = nullptr);

    void Form_KeyDown(const QKeyEvent& event);
    void cmdReset_Click();
    void cmdInsert_Click();
    // The text Insert puts in place of the selection.
    QString InsertText() const;
    bool waiting() const { return waiting_; }
    void done(int result) override;

    QLabel* lblKey = nullptr;
    QLineEdit* txtScancode = nullptr;
    QRadioButton* optInsert[3] = {};
    QPushButton* cmdReset = nullptr;
    QPushButton* cmdInsert = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    bool event(QEvent* event) override;

private:
    void enableControls(bool enabled);

    ScancodeTable table_;
    QGroupBox* frmInsert = nullptr;
    QLabel* lblScancode = nullptr;
    bool waiting_ = true;
};

// The stored form: 0 value, 1 KeyHit, 2 KeyDown; any other value reads as 0.
int StoredInsertScancodeType();
