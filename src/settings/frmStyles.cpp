#include "settings/frmStyles.h"

#include "foundation/errors/ErrorLog.h"
#include "platform/Prompt.h"
#include "platform/SettingsStore.h"
#include "settings/DialogControls.h"
#include "settings/UIStyle.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString kOptions = QStringLiteral("Options");
const QString kDockStyleKey = QStringLiteral("UIDockWndStyle");
const QString kBarStyleKey = QStringLiteral("UICmdBarsStyle");
const QString kVisualsKey = QStringLiteral("UseWinXPVisuals");
const QString kApplyTip = QStringLiteral("Apply selected style with standard colors");

// A frame of option buttons, each named prefix + style name, and its Apply button.
template <typename Style>
QGroupBox* styleFrame(QWidget* parent, const QString& title, const QString& prefix, std::span<const Style> styles,
                      QButtonGroup*& group, const char* applyName, QPushButton*& apply) {
    auto* frame = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(frame);
    group = new QButtonGroup(frame);
    for (const Style& style : styles) {
        QRadioButton* button = dialogcontrols::option(frame, qPrintable(prefix + QLatin1String(style.name)), QLatin1String(style.caption));
        group->addButton(button);
        layout->addWidget(button);
    }
    apply = dialogcontrols::button(frame, applyName, QStringLiteral("Apply"), kApplyTip);
    layout->addWidget(apply, 0, Qt::AlignRight);
    return frame;
}

// The style name of the frame's selected button, "" with none selected.
QString selectedStyle(const QButtonGroup& group, const QString& prefix) {
    const QAbstractButton* button = group.checkedButton();
    return button ? button->objectName().mid(prefix.size()) : QString();
}

void selectStyle(QWidget& form, const QString& prefix, const QString& name) {
    if (auto* button = form.findChild<QRadioButton*>(prefix + name))
        button->setChecked(true);
}

}

frmStyles::frmStyles(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmStyles"));
    setWindowTitle(QStringLiteral(" Change UI Style"));
    buildControls();
    dockWindowStyle_ = platform::GetSetting(kOptions, kDockStyleKey, QStringLiteral("Win"));
    commandBarStyle_ = platform::GetSetting(kOptions, kBarStyleKey, QStringLiteral("2K"));
    useVisuals_ = platform::GetSetting(kOptions, kVisualsKey, QStringLiteral("1")).toInt();
    chkUseWinXpVisuals->setChecked(useVisuals_ != 0);
    selectStyle(*this, QStringLiteral("optDockWnd"), dockWindowStyle_);
    selectStyle(*this, QStringLiteral("optBar"), commandBarStyle_);
}

void frmStyles::buildControls() {
    QPushButton* dockApply = nullptr;
    QPushButton* barApply = nullptr;
    auto* frames = new QHBoxLayout;
    frames->addWidget(styleFrame(this, QStringLiteral("Dock Windows Style"), QStringLiteral("optDockWnd"), DockWindowStyles(),
                                 dockWindowButtons_, "cmdDockWndApply", dockApply));
    frames->addWidget(styleFrame(this, QStringLiteral("Command Bars Style"), QStringLiteral("optBar"), CommandBarStyles(),
                                 commandBarButtons_, "cmdBarApply", barApply));
    chkUseWinXpVisuals = dialogcontrols::check(this, "chkUseWinXpVisuals", QStringLiteral("Use the desktop's visual style ( requires restart )"));
    QPushButton* ok = dialogcontrols::button(this, "OKButton", QStringLiteral("&OK"));
    ok->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(chkUseWinXpVisuals, 1);
    bottom->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addLayout(bottom);
    connect(dockApply, &QPushButton::clicked, this, &frmStyles::cmdDockWndApply_Click);
    connect(barApply, &QPushButton::clicked, this, &frmStyles::cmdBarApply_Click);
    connect(ok, &QPushButton::clicked, this, &frmStyles::OKButton_Click);
}

void frmStyles::cmdDockWndApply_Click() {
    if (const DockWindowStyle* style = FindDockWindowStyle(selectedStyle(*dockWindowButtons_, QStringLiteral("optDockWnd")))) {
        ApplyDockWindowStyle(*style);
        dockWindowStyle_ = QLatin1String(style->name);
    }
}

void frmStyles::cmdBarApply_Click() {
    try {
        if (const CommandBarStyle* style = FindCommandBarStyle(selectedStyle(*commandBarButtons_, QStringLiteral("optBar")))) {
            ApplyCommandBarStyle(*style, 0);
            commandBarStyle_ = QLatin1String(style->name);
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("cmdBarApply_Click"), QStringLiteral("frmStyles"));
    }
}

void frmStyles::OKButton_Click() {
    useVisuals_ = chkUseWinXpVisuals->isChecked() ? 1 : 0;
    accept();
}

void frmStyles::done(int result) {
    if (!stored_) {
        stored_ = true;
        platform::SaveSetting(kOptions, kDockStyleKey, dockWindowStyle_);
        platform::SaveSetting(kOptions, kBarStyleKey, commandBarStyle_);
        platform::SaveSetting(kOptions, kVisualsKey, QString::number(useVisuals_));
    }
    QDialog::done(result);
}

void ShowUIStylesDialog(QWidget* owner) {
    platform::PromptRequest request;
    request.kind = platform::PromptKind::ModalForm;
    request.title = QStringLiteral(" Change UI Style");
    request.choices = {QStringLiteral("&OK")};
    if (platform::ask(request).button == -1) {
        frmStyles form(owner);
        form.exec();
    }
}
