#include "aids/FrmHotCodesEdit.h"

#include "aids/HotCodeStore.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/Prompt.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {

bool refuseDuplicate() {
    platform::MsgBox(QStringLiteral("You already have this HotCode in your HotCodes collection !"), platform::vbExclamation);
    return false;
}

QString shownLines(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r"));
    return QString(text).replace(lineBreak, QStringLiteral("\n"));
}

}

bool CommitHotCodeEdit(const HotCodeEdit& edit) {
    if (edit.Name.isEmpty() || edit.Text.isEmpty()) {
        platform::MsgBox(QStringLiteral("Invalid HotCode!"), platform::vbExclamation);
        return false;
    }
    if (edit.EditMode && edit.Name == edit.EditedKey) {
        RemoveHotCode(edit.EditedKey);
        AddHotCode(edit.Name, edit.Text);
        return true;
    }
    if (!AddHotCode(edit.Name, edit.Text))
        return refuseDuplicate();
    if (edit.EditMode)
        RemoveHotCode(edit.EditedKey);
    return true;
}

FrmHotCodesEdit::FrmHotCodesEdit(const HotCodeEdit& edit, QWidget* parent) : QDialog(parent), edit_(edit) {
    setObjectName(QStringLiteral("frmHotCodesEdit"));
    setWindowTitle(edit.Title);

    txtHotCode = new QLineEdit(edit.Name, this);
    txtHotCode->setObjectName(QStringLiteral("txtHotCode"));
    txtCode = new QPlainTextEdit(shownLines(edit.Text), this);
    txtCode->setObjectName(QStringLiteral("txtCode"));
    auto* cmdOk = new QPushButton(edit.OkCaption, this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setToolTip(QStringLiteral("Add to HotCodes list"));
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* b : {cmdOk, cmdCancel})
        b->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("HotCode"), this));
    layout->addWidget(txtHotCode);
    layout->addWidget(new QLabel(QStringLiteral("Real Code"), this));
    layout->addWidget(txtCode, 1);
    layout->addLayout(buttons);
    resize(420, 300);

    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString FrmHotCodesEdit::HotCodeName() const {
    return txtHotCode->text();
}

QString FrmHotCodesEdit::HotCodeText() const {
    return txtCode->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

// Runs again each time the dialog becomes active, after its own message
// boxes too.
bool FrmHotCodesEdit::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        if (edit_.EditMode)
            cmdCancel->setFocus();
        else
            txtHotCode->setFocus();
    }
    return QDialog::event(event);
}

void FrmHotCodesEdit::cmdOk_Click() {
    try {
        edit_.Name = HotCodeName();
        edit_.Text = HotCodeText();
        if (CommitHotCodeEdit(edit_))
            accept();
    } catch (...) {
        SetErrorLog(QStringLiteral("cmdOK_Click"), QStringLiteral("frmHotCodesEdit"));
        reject();
    }
}

bool ShowHotCodesEdit(QWidget* owner, HotCodeEdit& edit) {
    platform::PromptRequest request;
    request.kind = platform::PromptKind::ModalForm;
    request.title = edit.Title;
    request.text = edit.Text;
    request.defaultText = edit.Name;
    request.choices = {QStringLiteral("&Cancel"), edit.OkCaption};
    const platform::PromptAnswer answer = platform::ask(request);
    if (answer.button == HotCodesEditOk) {
        edit.Name = answer.text;
        return CommitHotCodeEdit(edit);
    }
    if (answer.button != -1)
        return false;
    FrmHotCodesEdit form(edit, owner);
    if (form.exec() != QDialog::Accepted)
        return false;
    edit.Name = form.HotCodeName();
    edit.Text = form.HotCodeText();
    return true;
}
