#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "About Korvo": the title, the version, a link to the home page and the
// credits of the editing component.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    // Opens the home page in the user's web browser.
    void LabelHomePage_Click();

    QPushButton* cmdOK = nullptr;
    QLabel* LabelHomePage = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDisclaimer = nullptr;
};

// "About": shows the dialog modally, owned by the main window.
void ShowAbout();
