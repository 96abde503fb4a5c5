#include "shell/frmAbout.h"

#include "platform/Prompt.h"
#include "platform/ShellOpen.h"
#include "shell/frmMain.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The address the link opens.
const char* const kHomePage = "https://korvo.example.org/";

QLabel* staticLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + platform::applicationTitle());

    auto* title = new QLabel(platform::applicationTitle(), this);
    title->setStyleSheet(QStringLiteral("font-size: 28px; font-weight: bold;"));
    lblVersion = new QLabel(QStringLiteral("Version : %1.%2.%3").arg(KORVO_VERSION_MAJOR).arg(KORVO_VERSION_MINOR).arg(KORVO_VERSION_PATCH), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    lblDisclaimer = staticLabel(QStringLiteral("The editor is built on the Scintilla editing component."), this);
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    auto* credit = staticLabel(QStringLiteral("Thanks to Scintilla, QScintilla and Qt."), this);
    auto* rights = staticLabel(QStringLiteral("A development environment for Blitz Basic. All rights reserved."), this);
    LabelHomePage = new QLabel(QStringLiteral("<a href=\"home\">Korvo on the web</a>"), this);
    LabelHomePage->setObjectName(QStringLiteral("LabelHomePage"));
    LabelHomePage->setCursor(Qt::PointingHandCursor);
    cmdOK = new QPushButton(QStringLiteral("Close"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(LabelHomePage);
    bottom->addStretch();
    bottom->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    for (QWidget* widget : std::initializer_list<QWidget*>{title, lblVersion, line, lblDisclaimer, credit, rights})
        layout->addWidget(widget);
    layout->addStretch();
    layout->addLayout(bottom);
    setFixedWidth(420);

    connect(LabelHomePage, &QLabel::linkActivated, this, [this] { LabelHomePage_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

void frmAbout::LabelHomePage_Click() {
    platform::ShellRequest open;
    open.file = QString::fromLatin1(kHomePage);
    open.verb = QStringLiteral("open");
    platform::shellExecute(open);
}

void ShowAbout() {
    platform::PromptRequest request;
    request.kind = platform::PromptKind::ModalForm;
    request.title = QStringLiteral("About ") + platform::applicationTitle();
    request.choices = {QStringLiteral("Close")};
    if (platform::ask(request).button != -1)
        return;
    frmAbout form(MainWindow());
    form.exec();
}
