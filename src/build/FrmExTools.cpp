#include "build/FrmExTools.h"

#include "build/ExternalTools.h"
#include "foundation/FileHelpers.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/Prompt.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kMostTools = 32;
const QString kForm = QStringLiteral("frmExTools");

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& tip = QString()) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

bool nameTaken(const QString& name) {
    if (!gExternalTools.Exist_Key(name))
        return false;
    platform::MsgBox(QStringLiteral("A Tool with this name already exists"), platform::vbExclamation | platform::vbOKOnly,
                     QStringLiteral("Invalid name"));
    return true;
}

}

FrmExTools::FrmExTools(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmExTools"));
    setWindowTitle(QStringLiteral(" Setup External Tools"));
    buildControls();
    FillToolList();
    lvExTools_ItemClick();
    if (gExternalTools.Count() == 0)
        LockToolFields(true);
}

void FrmExTools::buildControls() {
    lvExTools = new QListWidget(this);
    lvExTools->setObjectName(QStringLiteral("lvExTools"));
    txtToolPath = new QLineEdit(this);
    txtToolPath->setObjectName(QStringLiteral("txtToolPath"));
    txtToolParameters = new QLineEdit(this);
    txtToolParameters->setObjectName(QStringLiteral("txtToolParameters"));
    chkAskForConfirmation = new QCheckBox(QStringLiteral("Ask for confirmation on run"), this);
    chkAskForConfirmation->setObjectName(QStringLiteral("chkAskForConfirmation"));
    cmdBrowse = new QToolButton(this);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    cmdBrowse->setText(QStringLiteral("..."));
    cmdBrowse->setToolTip(QStringLiteral("Browse"));

    QPushButton* cmdAdd = button(this, "cmdAdd", QStringLiteral("&Add new"), QStringLiteral("Add new tool"));
    QPushButton* cmdRename = button(this, "cmdRename", QStringLiteral("Re&name"), QStringLiteral("Rename selected tool"));
    QPushButton* cmdRemove = button(this, "cmdRemove", QStringLiteral("&Remove"), QStringLiteral("Remove selected tool"));
    QPushButton* cmdOK = button(this, "cmdOK", QStringLiteral("&OK"));
    QPushButton* cmdApply = button(this, "cmdApply", QStringLiteral("Apply"));
    QPushButton* cmdCancel = button(this, "cmdCancel", QStringLiteral("&Cancel"));

    auto* listButtons = new QVBoxLayout;
    listButtons->addWidget(cmdAdd);
    listButtons->addWidget(cmdRename);
    listButtons->addWidget(cmdRemove);
    listButtons->addStretch();
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(lvExTools, 1);
    listRow->addLayout(listButtons);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Tool's Directory:"), this), 0, 0, 1, 2);
    fields->addWidget(txtToolPath, 1, 0);
    fields->addWidget(cmdBrowse, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("Command with Parameters:"), this), 2, 0, 1, 2);
    fields->addWidget(txtToolParameters, 3, 0, 1, 2);
    fields->addWidget(chkAskForConfirmation, 4, 0, 1, 2);

    auto* macros = new QGroupBox(this);
    auto* macroLines = new QVBoxLayout(macros);
    for (const QString& text : {QStringLiteral("The following parameters are available:"),
                                QStringLiteral("%ActiveFile% - Active File with path"),
                                QStringLiteral("%ActiveFileDir% - Active File's directory"),
                                QStringLiteral("%ProjectDir% - Active Project's directory"),
                                QStringLiteral("%LastExe% - Last Created Exe with path"),
                                QStringLiteral("%KorvoDir% - Korvo's directory")})
        macroLines->addWidget(new QLabel(text, macros));

    auto* dialogButtons = new QHBoxLayout;
    dialogButtons->addStretch();
    dialogButtons->addWidget(cmdOK);
    dialogButtons->addWidget(cmdApply);
    dialogButtons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(listRow);
    layout->addLayout(fields);
    layout->addWidget(macros);
    layout->addLayout(dialogButtons);

    connect(lvExTools, &QListWidget::currentRowChanged, this, [this] { lvExTools_ItemClick(); });
    connect(txtToolPath, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (CurrentTool)
            CurrentTool->Path = text;
    });
    connect(txtToolParameters, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (CurrentTool)
            CurrentTool->Parameters = text;
    });
    connect(chkAskForConfirmation, &QCheckBox::clicked, this, [this](bool checked) {
        if (CurrentTool)
            CurrentTool->AskForConfirmation = checked ? 1 : 0;
    });
    connect(cmdBrowse, &QToolButton::clicked, this, [this] { cmdBrowse_Click(); });
    connect(cmdAdd, &QPushButton::clicked, this, [this] { cmdAdd_Click(); });
    connect(cmdRename, &QPushButton::clicked, this, [this] { cmdRename_Click(); });
    connect(cmdRemove, &QPushButton::clicked, this, [this] { cmdRemove_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdApply, &QPushButton::clicked, this, [this] { cmdApply_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { reject(); });
}

void FrmExTools::FillToolList() {
    const QSignalBlocker quiet(lvExTools);
    lvExTools->clear();
    for (const ExToolPtr& tool : gExternalTools.NewEnum()) {
        auto* entry = new QListWidgetItem(tool->Caption, lvExTools);
        entry->setData(Qt::UserRole, tool->Caption);
    }
    if (lvExTools->count() > 0)
        lvExTools->setCurrentRow(0);
}

void FrmExTools::selectEntry(const QString& caption) {
    const QSignalBlocker quiet(lvExTools);
    for (int row = 0; row < lvExTools->count(); ++row)
        if (lvExTools->item(row)->data(Qt::UserRole).toString() == caption)
            lvExTools->setCurrentRow(row);
}

void FrmExTools::ShowTool() {
    if (!CurrentTool)
        return;
    txtToolParameters->setText(CurrentTool->Parameters);
    txtToolPath->setText(CurrentTool->Path);
    chkAskForConfirmation->setChecked(CurrentTool->AskForConfirmation == 1);
}

void FrmExTools::LockToolFields(bool lock) {
    txtToolParameters->setEnabled(!lock);
    txtToolPath->setEnabled(!lock);
    cmdBrowse->setEnabled(!lock);
}

void FrmExTools::lvExTools_ItemClick() {
    const QListWidgetItem* entry = lvExTools->currentItem();
    if (!entry)
        return;
    CurrentTool = gExternalTools.Item(entry->data(Qt::UserRole).toString());
    ShowTool();
}

void FrmExTools::cmdBrowse_Click() {
    try {
        const QString folder = BrowseForFolder(QStringLiteral("Select path for this tool..."));
        if (folder.isEmpty())
            return;
        txtToolPath->setText(folder);
        if (CurrentTool)
            CurrentTool->Path = folder;
    } catch (...) {
        SetErrorLog(QStringLiteral("cmdBrowse_Click"), kForm);
    }
}

void FrmExTools::cmdAdd_Click() {
    try {
        if (gExternalTools.Count() >= kMostTools) {
            platform::MsgBox(QStringLiteral("You can't have more than 32 tools defined!"),
                             platform::vbExclamation | platform::vbOKOnly);
            return;
        }
        const QString name = platform::InputBox(QStringLiteral("Enter name for the new tool:"), QStringLiteral("New tool"));
        if (name.isEmpty() || nameTaken(name))
            return;
        auto tool = std::make_shared<clsExTool>();
        tool->Caption = name;
        tool->AskForConfirmation = 1;
        gExternalTools.Add(tool, name);
        CurrentTool = tool;
        auto* entry = new QListWidgetItem(name, lvExTools);
        entry->setData(Qt::UserRole, name);
        selectEntry(name);
        ShowTool();
        if (gExternalTools.Count() == 1)
            LockToolFields(false);
    } catch (...) {
        SetErrorLog(QStringLiteral("cmdAdd_Click"), kForm);
    }
}

void FrmExTools::cmdRename_Click() {
    try {
        if (!lvExTools->currentItem() || !CurrentTool)
            return;
        const QString name = platform::InputBox(QStringLiteral("Please enter the new name for this tool"),
                                                QStringLiteral("Rename tool"), CurrentTool->Caption);
        if (name.isEmpty() || name == CurrentTool->Caption || nameTaken(name))
            return;
        gExternalTools.RemoveKey(CurrentTool->Caption);
        CurrentTool->Caption = name;
        gExternalTools.Add(CurrentTool, name);
        FillToolList();
        selectEntry(name);
        ShowTool();
    } catch (...) {
        SetErrorLog(QStringLiteral("cmdRename_Click"), kForm);
    }
}

void FrmExTools::cmdRemove_Click() {
    try {
        if (!lvExTools->currentItem() || !CurrentTool)
            return;
        gExternalTools.RemoveKey(CurrentTool->Caption);
        FillToolList();
        if (gExternalTools.Count() == 0) {
            CurrentTool.reset();
            txtToolParameters->clear();
            txtToolPath->clear();
            chkAskForConfirmation->setChecked(false);
            LockToolFields(true);
            return;
        }
        lvExTools_ItemClick();
    } catch (...) {
        SetErrorLog(QStringLiteral("cmdRemove_Click"), kForm);
    }
}

void FrmExTools::cmdOK_Click() {
    cmdApply_Click();
    accept();
}

void FrmExTools::cmdApply_Click() {
    SaveExternalTools();
    AddExternalToolsToMenu();
}

void FrmExTools::reject() {
    gExternalTools.RemoveAll();
    LoadExternalTools();
    QDialog::reject();
}

void ShowExToolsDialog(QWidget* owner) {
    platform::PromptRequest request;
    request.kind = platform::PromptKind::ModalForm;
    request.title = QStringLiteral(" Setup External Tools");
    request.choices = {QStringLiteral("&Cancel"), QStringLiteral("&OK")};
    const platform::PromptAnswer answer = platform::ask(request);
    if (answer.button == ExToolsFormOK) {
        SaveExternalTools();
        AddExternalToolsToMenu();
    } else if (answer.button == -1) {
        FrmExTools form(owner);
        form.exec();
    }
}
