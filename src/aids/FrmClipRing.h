#pragma once

#include <QDialog>

class QTreeWidget;

// "ClipBoard Ring": the entries of the clipboard ring, newest first, with
// their line counts. Enter or a double click puts the selected entry in
// place of the editor's selection and closes the list.
class FrmClipRing : public QDialog {
    Q_OBJECT
public:
    explicit FrmClipRing(QWidget* parent = nullptr);

    // Moves the list to the caret's screen point, up as far as its bottom
    // needs to stay on the available screen.
    void PlaceAtCaret();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FillList();
    void InsertSelected();
    void bnClear_Click();

    QTreeWidget* ListView1 = nullptr;
};

// Shows the list modally through the prompt seam.
void ShowClipRing(QWidget* owner);
