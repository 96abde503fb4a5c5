#include "shell/frmGotoLine.h"

#include "aids/EditorDialogs.h"
#include "editor/CurrentView.h"
#include "editor/Navigation.h"
#include "editor/SciWrappers.h"
#include "foundation/WindowHelpers.h"
#include "platform/Prompt.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace {

const QString kCaption = QStringLiteral("GoTo Line");

// The 0-based line the text names (its leading digits, 1-based), or -1 when
// it names none of lineCount lines. Digits beyond what a line count can be
// are compared as text, so no number overflows.
long lineOfText(const QString& text, long lineCount) {
    qsizetype digits = 0;
    while (digits < text.size() && text[digits].isDigit() && text[digits].unicode() < 128)
        ++digits;
    QString number = text.left(digits);
    while (number.startsWith(QLatin1Char('0')))
        number.remove(0, 1);
    if (number.isEmpty() || number.size() > 18)
        return -1;
    const long line = number.toLong() - 1;
    return line < lineCount ? line : -1;
}

}

frmGotoLine::frmGotoLine(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmGotoLine"));
    setWindowTitle(kCaption);
    cmdOK = new QPushButton(QStringLiteral("&Goto Line"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    txtLine = new QLineEdit(this);
    txtLine->setObjectName(QStringLiteral("txtLine"));
    lblRange = new QLabel(QStringLiteral("Enter Line Number: ( 1 - 1 )"), this);
    lblRange->setObjectName(QStringLiteral("lblRange"));
    AddWindowStyle(txtLine, ES_NUMBER);

    auto* layout = new QGridLayout(this);
    layout->addWidget(lblRange, 0, 0, 1, 2);
    layout->addWidget(txtLine, 1, 0, 1, 2);
    layout->addWidget(cmdOK, 2, 0);
    layout->addWidget(cmdCancel, 2, 1);

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmGotoLine::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Form_Activate();
}

void frmGotoLine::Form_Activate() {
    lblRange->setText(QStringLiteral("Enter Line Number: ( 1 - %1 )").arg(SciGetLineCount()));
    txtLine->setFocus();
    txtLine->selectAll();
}

void frmGotoLine::cmdOK_Click() {
    const long line = lineOfText(txtLine->text(), SciGetLineCount());
    if (line < 0)
        return;
    accept();
    GotoLineShow(line);
}

frmGotoLine& GotoLineForm() {
    static QPointer<frmGotoLine> form;
    QWidget* owner = DialogOwner();
    if (form && form->parentWidget() != owner)
        delete form;
    if (!form)
        form = new frmGotoLine(owner);
    return *form;
}

void ShowGotoLine() {
    if (!IsEditorActive())
        return;
    SciAutoCCancel();
    frmGotoLine& form = GotoLineForm();
    platform::PromptRequest request;
    request.kind = platform::PromptKind::ModalForm;
    request.title = kCaption;
    request.choices = {QStringLiteral("&Goto Line"), QStringLiteral("&Cancel")};
    if (platform::ask(request).button == -1)
        form.exec();
    FocusEditor();
}
