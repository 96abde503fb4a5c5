#pragma once

#include "platform/Prompt.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;
class SpinText;

// What the two option dialogs share: pages in the tab control "SSTab1",
// each page's controls in a container enabled only while its page is shown,
// Ctrl+Tab and Ctrl+Shift+Tab cycling the pages with wrap-around from any
// control, the page shown last remembered under a key of section
// "Options", and OK, Cancel and Apply below. OK closes only once an Apply
// of this showing has succeeded; Cancel closes without writing.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    void done(int result) override;

    QTabWidget* pages() const { return SSTab1; }
    void cmdApply_Click();
    void cmdOK_Click();

protected:
    // sizeInTwips is the dialog's least size; containerName(i) names page i's container.
    OptionsDialog(const QString& formName, const QString& caption, const QString& pageKey,
                  const QString& containerName, QSize sizeInTwips, QWidget* parent);

    // A new page; its controls go into the container returned.
    QWidget* addPage(const QString& caption);
    // Once every page is there: the buttons, the key handling and the stored page.
    void finishPages();

    // Writes and applies the dialog's values; raising ends the Apply, logged.
    // False: it stopped after telling the user why, and the dialog stays open.
    virtual bool apply() = 0;
    // Whatever closing the dialog does besides remembering the page.
    virtual void unload() {}

    bool eventFilter(QObject* watched, QEvent* event) override;

    // The dialog's controls by object name; an option button by its group and index.
    QCheckBox* box(const char* name) const;
    QRadioButton* opt(const char* group, int index) const;
    SpinText* spinBox(const char* name) const;
    QLineEdit* text(const char* name) const;

    const QString formName_;
    // An Apply of this showing succeeded, or went far enough for OK to close.
    bool Applied = false;

private:
    void showPage(int index);
    void stepPage(int step);

    QTabWidget* SSTab1 = nullptr;
    const QString pageKey_;
    const QString containerName_;
    const QSize sizeInTwips_;
};

// Shows an option dialog modally through the prompt seam's modal-form
// route; a seam that answers OK for it applies the values as they load.
template <typename Form>
void ShowOptionsDialog(QWidget* owner, const QString& caption) {
    platform::PromptRequest request;
    request.kind = platform::PromptKind::ModalForm;
    request.title = caption;
    request.choices = {QStringLiteral("Cancel"), QStringLiteral("OK")};
    const int chosen = platform::ask(request).button;
    if (chosen == 1)
        Form(owner).cmdOK_Click();
    else if (chosen == -1)
        Form(owner).exec();
}
