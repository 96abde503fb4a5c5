#include "aids/FrmInsertColor.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/SettingsStore.h"
#include "vocabulary/SettingsValues.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString kTypeKey = QStringLiteral("InsertColorType");

int red(unsigned colour) { return colour & 0xFF; }
int green(unsigned colour) { return (colour >> 8) & 0xFF; }
int blue(unsigned colour) { return (colour >> 16) & 0xFF; }

QString hexByte(int value) {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

}

QString ColourAsRgbText(unsigned colour) {
    return QStringLiteral("%1,%2,%3").arg(red(colour)).arg(green(colour)).arg(blue(colour));
}

QString ColourAsHexText(unsigned colour) {
    return QLatin1Char('$') + hexByte(red(colour)) + hexByte(green(colour)) + hexByte(blue(colour));
}

int StoredInsertColorType() {
    const int type = platform::GetSetting(kOptionsSection, kTypeKey, QStringLiteral("0")).trimmed().toInt();
    return type == 1 ? 1 : 0;
}

void StoreInsertColorType(int type) {
    platform::SaveSetting(kOptionsSection, kTypeKey, QString::number(type));
}

FrmInsertColor::FrmInsertColor(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmInsertColor"));
    setWindowTitle(QStringLiteral("Insert color as..."));

    opInsertType[0] = new QRadioButton(QStringLiteral("&R,G,B"), this);
    opInsertType[1] = new QRadioButton(QStringLiteral("&HEX"), this);
    picColor = new QLabel(this);
    picColor->setObjectName(QStringLiteral("picColor"));
    picColor->setMinimumSize(48, 48);
    picColor->setAutoFillBackground(true);
    txtRGB = new QLineEdit(this);
    txtRGB->setObjectName(QStringLiteral("txtRGB"));
    txtHex = new QLineEdit(this);
    txtHex->setObjectName(QStringLiteral("txtHex"));
    auto* cmdInsert = new QPushButton(QStringLiteral("&Insert Color"), this);
    cmdInsert->setObjectName(QStringLiteral("cmdInsert"));
    cmdInsert->setToolTip(QStringLiteral("Insert color into editor"));
    auto* cmdClipboard = new QPushButton(QStringLiteral("&To Clipboard"), this);
    cmdClipboard->setObjectName(QStringLiteral("cmdClipboard"));
    cmdClipboard->setToolTip(QStringLiteral("Copy color to Clipboard"));
    auto* cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* forms = new QVBoxLayout;
    forms->addWidget(opInsertType[0]);
    forms->addWidget(txtRGB);
    forms->addWidget(opInsertType[1]);
    forms->addWidget(txtHex);
    auto* top = new QHBoxLayout;
    top->addWidget(picColor);
    top->addLayout(forms, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdInsert);
    buttons->addWidget(cmdClipboard);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    opInsertType[StoredInsertColorType()]->setChecked(true);
    connect(cmdInsert, &QPushButton::clicked, this, [this] { cmdInsert_Click(); });
    connect(cmdClipboard, &QPushButton::clicked, this, [this] { cmdClipboard_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmInsertColor::FillColors(unsigned colour) {
    try {
        QPalette palette = picColor->palette();
        palette.setColor(QPalette::Window, QColor(red(colour), green(colour), blue(colour)));
        picColor->setPalette(palette);
        txtRGB->setText(ColourAsRgbText(colour));
        txtHex->setText(ColourAsHexText(colour));
    } catch (...) {
        SetErrorLog(QStringLiteral("FillColors"), QStringLiteral("frmInsertColor"));
        reject();
    }
}

QString FrmInsertColor::ChosenText() const {
    return opInsertType[0]->isChecked() ? txtRGB->text() : txtHex->text();
}

void FrmInsertColor::cmdInsert_Click() {
    try {
        if (IsEditorActive())
            SciReplaceSel(ChosenText());
    } catch (...) {
        SetErrorLog(QStringLiteral("cmdInsert_Click"), QStringLiteral("frmInsertColor"));
    }
    accept();
}

void FrmInsertColor::cmdClipboard_Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(ChosenText());
}

void FrmInsertColor::done(int result) {
    StoreInsertColorType(opInsertType[1]->isChecked() ? 1 : 0);
    QDialog::done(result);
}
