#include "aids/FrmHotCodes.h"

#include "aids/FrmHotCodesEdit.h"
#include "aids/HotCodeStore.h"
#include "foundation/Twips.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/Prompt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral(" Hot Codes");
constexpr int kMostHotCodes = 50;

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

void showRow(QTreeWidgetItem* row, const QString& name, const QString& text) {
    row->setText(0, name);
    row->setText(1, text);
}

}

FrmHotCodes::FrmHotCodes(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmHotCodes"));
    setWindowTitle(kTitle);

    lvHotCodes = new QTreeWidget(this);
    lvHotCodes->setObjectName(QStringLiteral("lvHotCodes"));
    lvHotCodes->setHeaderLabels({QStringLiteral("HotCode"), QStringLiteral("RealCode")});
    lvHotCodes->setRootIsDecorated(false);
    QPushButton* cmdAdd = button(this, "cmdAdd", QStringLiteral("&Add New"));
    cmdAdd->setToolTip(QStringLiteral("Add new HotCode"));
    QPushButton* cmdEdit = button(this, "cmdEdit", QStringLiteral("&Edit Selected"));
    QPushButton* cmdRemove = button(this, "cmdRemove", QStringLiteral("&Delete Selected"));
    QPushButton* bnClear = button(this, "bnClear", QStringLiteral("Delete All"));
    QPushButton* bnClose = button(this, "bnClose", QStringLiteral("&Close"));

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {cmdAdd, cmdEdit, cmdRemove, bnClear})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(bnClose);
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(lvHotCodes, 1);
    listRow->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Hot Codes"), this));
    layout->addLayout(listRow, 1);
    resize(560, 360);

    connect(cmdAdd, &QPushButton::clicked, this, [this] { cmdAdd_Click(); });
    connect(cmdEdit, &QPushButton::clicked, this, [this] { cmdEdit_Click(); });
    connect(lvHotCodes, &QTreeWidget::itemDoubleClicked, this, [this] { cmdEdit_Click(); });
    connect(cmdRemove, &QPushButton::clicked, this, [this] { cmdRemove_Click(); });
    connect(bnClear, &QPushButton::clicked, this, [this] { bnClear_Click(); });
    connect(bnClose, &QPushButton::clicked, this, &QDialog::accept);

    try {
        FillList();
    } catch (...) {
        SetErrorLog(QStringLiteral("Form_Load"), QStringLiteral("frmHotCodes"));
    }
}

void FrmHotCodes::FillList() {
    for (const HotCode& code : HotCodesInStoreOrder())
        showRow(new QTreeWidgetItem(lvHotCodes), code.Name, code.Text);
    lvHotCodes->clearSelection();
    lvHotCodes->setCurrentItem(nullptr);
}

void FrmHotCodes::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const int perPixel = twips::perPixelX(this);
    lvHotCodes->setColumnWidth(0, 920 / perPixel);
    lvHotCodes->setColumnWidth(1, lvHotCodes->width() - 1220 / perPixel);
}

void FrmHotCodes::done(int result) {
    SaveHotcodes();
    QDialog::done(result);
}

void FrmHotCodes::cmdAdd_Click() {
    if (lvHotCodes->topLevelItemCount() >= kMostHotCodes) {
        platform::MsgBox(QStringLiteral("Total number of HotCodes is limited to 50."), platform::vbCritical);
        return;
    }
    HotCodeEdit edit;
    edit.Title = QStringLiteral("Add New HotCode");
    if (!ShowHotCodesEdit(this, edit))
        return;
    auto* row = new QTreeWidgetItem(lvHotCodes);
    showRow(row, edit.Name, edit.Text);
    lvHotCodes->setCurrentItem(row);
    lvHotCodes->scrollToItem(row);
}

void FrmHotCodes::cmdEdit_Click() {
    QTreeWidgetItem* row = lvHotCodes->currentItem();
    if (!row || !row->isSelected())
        return;
    HotCodeEdit edit;
    edit.EditMode = true;
    edit.EditedKey = row->text(0);
    edit.Name = row->text(0);
    edit.Text = row->text(1);
    edit.Title = QStringLiteral("Edit HotCode");
    edit.OkCaption = QStringLiteral("&Save");
    if (ShowHotCodesEdit(this, edit))
        showRow(row, edit.Name, edit.Text);
}

void FrmHotCodes::cmdRemove_Click() {
    QTreeWidgetItem* row = lvHotCodes->currentItem();
    if (!row || !row->isSelected())
        return;
    RemoveHotCode(row->text(0));
    delete row;
}

void FrmHotCodes::bnClear_Click() {
    const int answer = platform::MsgBox(QStringLiteral("Are you sure that you want to delete ALL HotCodes ?"),
                                        platform::vbYesNo | platform::vbExclamation, QStringLiteral("Confirm Delete"));
    if (answer != platform::vbYes)
        return;
    RemoveAllHotCodes();
    lvHotCodes->clear();
}

void ShowHotCodes(QWidget* owner) {
    platform::PromptRequest request;
    request.kind = platform::PromptKind::ModalForm;
    request.title = kTitle;
    request.choices = {QStringLiteral("&Close")};
    if (platform::ask(request).button != -1) {
        SaveHotcodes();
        return;
    }
    FrmHotCodes form(owner);
    form.exec();
}
