#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QRadioButton;

// "Insert color as...": a chosen colour as R,G,B and as $RRGGBB text,
// inserted at the caret or copied to the clipboard in the form the user
// prefers (setting Options/InsertColorType, written whenever it closes).
class FrmInsertColor : public QDialog {
    Q_OBJECT
public:
    explicit FrmInsertColor(QWidget* parent = nullptr);

    // Fills the dialog for a colour 0x00BBGGRR.
    void FillColors(unsigned colour);
    // The text of the form selected.
    QString ChosenText() const;

    void cmdInsert_Click();
    void cmdClipboard_Click();
    void done(int result) override;

    QRadioButton* opInsertType[2] = {};
    QLabel* picColor = nullptr;
    QLineEdit* txtRGB = nullptr;
    QLineEdit* txtHex = nullptr;
};

// The two texts of FillColors: "10,11,12" and "$0A0B0C" for 0x000C0B0A.
QString ColourAsRgbText(unsigned colour);
QString ColourAsHexText(unsigned colour);

// The stored form: 0 R,G,B or 1 HEX; any other value reads as 0.
int StoredInsertColorType();
void StoreInsertColorType(int type);
