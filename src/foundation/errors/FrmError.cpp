#include "foundation/errors/FrmError.h"

#include "foundation/errors/ErrorLogFile.h"
#include "foundation/errors/ErrorReport.h"
#include "platform/Prompt.h"
#include "platform/ShellOpen.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral("Korvo - Error Handler");
const QString kSendCaption = QStringLiteral("&Send Error Report");
const QString kDontSendCaption = QStringLiteral("&Don't Send");

QLabel* boldLabel(const QString& text, int pointSizeIncrease = 0) {
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + pointSizeIncrease);
    label->setFont(font);
    return label;
}

QLabel* wrappedLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

}

FrmError::FrmError(QWidget* parent) : QDialog(parent) {
    setWindowTitle(kCaption);
    setModal(true);

    auto* Label5 = new QLabel(QStringLiteral("<a href=\"error.log\" style=\"color:#0000ff\">click here</a>"));
    Label5->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(Label5, &QLabel::linkActivated, this, [this] { Label5_Click(); });

    auto* linkRow = new QHBoxLayout;
    linkRow->addWidget(new QLabel(QStringLiteral("To see what info this error report contains,")));
    linkRow->addWidget(Label5);
    linkRow->addStretch();

    auto* cmdSendErrReport = new QPushButton(kSendCaption);
    auto* cmdDontSend = new QPushButton(kDontSendCaption);
    cmdDontSend->setDefault(true);
    connect(cmdSendErrReport, &QPushButton::clicked, this, [this] { cmdSendErrReport_Click(); });
    connect(cmdDontSend, &QPushButton::clicked, this, [this] { cmdDontSend_Click(); });
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(cmdSendErrReport);
    buttonRow->addWidget(cmdDontSend);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(boldLabel(QStringLiteral("Error Handler"), 4));
    layout->addWidget(boldLabel(QStringLiteral("An Error has Occured in Korvo")));
    layout->addWidget(wrappedLabel(QStringLiteral(
        "We Apologizes for the inconvience but an error has occured. It is recommended that you save your work and "
        "restart Korvo.  A log of this error has been created. ")));
    layout->addWidget(boldLabel(QStringLiteral("Please tell us about this problem.")));
    layout->addWidget(wrappedLabel(QStringLiteral("An error report has been prepared that you can send to help us improve Korvo")));
    layout->addLayout(linkRow);
    layout->addSpacing(8);
    layout->addLayout(buttonRow);
    setFixedWidth(460);
}

void FrmError::cmdSendErrReport_Click() {
    sendErrorReport();
    accept();
}

void FrmError::cmdDontSend_Click() {
    reject();
}

void FrmError::Label5_Click() {
    platform::ShellRequest open;
    open.file = errorLogPath();
    open.verb = QStringLiteral("open");
    platform::shellExecute(open);
}

void sendErrorReport() {
    CreateErrorReportMail();
    emptyErrorLog();
}

void showErrorForm(const QString& reason) {
    platform::PromptRequest request;
    request.kind = platform::PromptKind::ModalForm;
    request.title = kCaption;
    request.text = QStringLiteral("An Error has Occured in Korvo");
    request.choices = {kDontSendCaption, kSendCaption};
    request.detail = reason;
    const platform::PromptAnswer answer = platform::ask(request);
    if (answer.button != -1) {
        if (answer.button == ErrorFormSendReport)
            sendErrorReport();
        return;
    }
    // Without a widget application (a console tool) the record is all there is.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    FrmError form(QApplication::activeWindow());
    form.exec();
}
