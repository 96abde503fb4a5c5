#pragma once

#include <QDialog>

// The error form's buttons, as the prompt seam numbers the form's choices.
// The default comes first: nobody answering keeps the log and sends nothing.
enum ErrorFormChoice { ErrorFormDontSend = 0, ErrorFormSendReport = 1 };

// Tells the user that an error occurred and offers the prepared report.
class FrmError : public QDialog {
    Q_OBJECT
public:
    explicit FrmError(QWidget* parent = nullptr);

private:
    void cmdSendErrReport_Click();
    void cmdDontSend_Click();
    void Label5_Click();
};

// Asks the prompt seam whether the form is shown: a scripted or default
// answer picks a button at once; otherwise the form is shown modally. The
// reason goes with the question for whoever answers on a console.
void showErrorForm(const QString& reason);

// "&Send Error Report": writes and opens the report, then empties the log.
void sendErrorReport();
