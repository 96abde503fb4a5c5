#include "aids/FrmScancode.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/SettingsStore.h"
#include "vocabulary/SettingsValues.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString kTypeKey = QStringLiteral("InsertScancodeType");

}

int StoredInsertScancodeType() {
    const int type = platform::GetSetting(kOptionsSection, kTypeKey, QStringLiteral("0")).trimmed().toInt();
    return type >= 0 && type <= 2 ? type : 0;
}

FrmScancode::FrmScancode(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmScancode"));
    setWindowTitle(QStringLiteral("Insert ScanCode..."));

    lblKey = new QLabel(this);
    lblKey->setObjectName(QStringLiteral("lblKey"));
    lblScancode = new QLabel(QStringLiteral("Blitz Scancode :"), this);
    txtScancode = new QLineEdit(this);
    txtScancode->setObjectName(QStringLiteral("txtScancode"));
    txtScancode->setReadOnly(true);
    frmInsert = new QGroupBox(QStringLiteral("Insert:"), this);
    const char* options[] = {"Only value", "KeyHit ( value )", "KeyDown ( value )"};
    auto* optionsLayout = new QVBoxLayout(frmInsert);
    for (int i = 0; i < 3; ++i) {
        optInsert[i] = new QRadioButton(QLatin1String(options[i]), frmInsert);
        optionsLayout->addWidget(optInsert[i]);
    }
    cmdReset = new QPushButton(QStringLiteral("&Reset"), this);
    cmdReset->setObjectName(QStringLiteral("cmdReset"));
    cmdInsert = new QPushButton(QStringLiteral("&Insert"), this);
    cmdInsert->setObjectName(QStringLiteral("cmdInsert"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* b : {cmdReset, cmdInsert, cmdCancel})
        b->setAutoDefault(false);

    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(lblScancode);
    codeRow->addWidget(txtScancode);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdReset);
    buttons->addStretch();
    buttons->addWidget(cmdInsert);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblKey);
    layout->addLayout(codeRow);
    layout->addWidget(frmInsert);
    layout->addLayout(buttons);

    connect(cmdReset, &QPushButton::clicked, this, [this] { cmdReset_Click(); });
    connect(cmdInsert, &QPushButton::clicked, this, [this] { cmdInsert_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    cmdReset_Click();
    optInsert[StoredInsertScancodeType()]->setChecked(true);
}

void FrmScancode::enableControls(bool enabled) {
    for (QWidget* control : std::initializer_list<QWidget*>{cmdReset, cmdInsert, cmdCancel, frmInsert, lblScancode})
        control->setEnabled(enabled);
    txtScancode->setEnabled(false);
}

void FrmScancode::cmdReset_Click() {
    lblKey->setText(QStringLiteral("Press a key ..."));
    txtScancode->clear();
    enableControls(false);
    waiting_ = true;
    setFocus();
}

void FrmScancode::Form_KeyDown(const QKeyEvent& event) {
    try {
        const int scancode = table_.scancodeOf(event);
        if (scancode == 0) {
            txtScancode->setText(QStringLiteral("?"));
            lblKey->setText(QStringLiteral("Pressed key: Unknown"));
            return;
        }
        txtScancode->setText(QString::number(scancode));
        lblKey->setText(QStringLiteral("Pressed key: ") + table_.names[scancode]);
        enableControls(true);
        waiting_ = false;
        cmdInsert->setFocus();
    } catch (...) {
        SetErrorLog(QStringLiteral("Form_KeyDown"), QStringLiteral("frmScancode"));
    }
}

// While waiting, the keys Qt would take for itself (Tab for the focus,
// shortcuts) come here as well.
bool FrmScancode::event(QEvent* e) {
    if (waiting_ && e->type() == QEvent::ShortcutOverride) {
        e->accept();
        return true;
    }
    if (waiting_ && e->type() == QEvent::KeyPress) {
        Form_KeyDown(*static_cast<QKeyEvent*>(e));
        return true;
    }
    return QDialog::event(e);
}

QString FrmScancode::InsertText() const {
    const QString value = txtScancode->text();
    if (optInsert[1]->isChecked())
        return QStringLiteral("KeyHit(") + value + QLatin1Char(')');
    if (optInsert[2]->isChecked())
        return QStringLiteral("KeyDown(") + value + QLatin1Char(')');
    return value;
}

void FrmScancode::cmdInsert_Click() {
    try {
        if (IsEditorActive())
            SciReplaceSel(InsertText());
    } catch (...) {
        SetErrorLog(QStringLiteral("cmdInsert_Click"), QStringLiteral("frmScancode"));
        return;
    }
    accept();
}

void FrmScancode::done(int result) {
    int selected = 0;
    for (int i = 0; i < 3; ++i)
        if (optInsert[i]->isChecked())
            selected = i;
    platform::SaveSetting(kOptionsSection, kTypeKey, QString::number(selected));
    QDialog::done(result);
}
