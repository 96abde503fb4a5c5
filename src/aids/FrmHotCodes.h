#pragma once

#include <QDialog>

class QTreeWidget;

// " Hot Codes": every hot code in store order, added, edited and deleted
// straight in the store. However it closes, it writes conf/hotcodes.dat.
class FrmHotCodes : public QDialog {
    Q_OBJECT
public:
    explicit FrmHotCodes(QWidget* parent = nullptr);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillList();
    void cmdAdd_Click();
    void cmdEdit_Click();
    void cmdRemove_Click();
    void bnClear_Click();

    QTreeWidget* lvHotCodes = nullptr;
};

// The command "Edit HotCodes": shows the list modally through the prompt seam.
void ShowHotCodes(QWidget* owner);
