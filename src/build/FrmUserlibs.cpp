#include "build/FrmUserlibs.h"

#include "build/ActiveCompiler.h"
#include "build/CompilerList.h"
#include "build/KeywordRefresh.h"
#include "foundation/errors/ErrorLog.h"
#include "foundation/errors/LogNewError.h"
#include "platform/AtomicFileWrite.h"
#include "platform/KorvoError.h"
#include "platform/Prompt.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString kForm = QStringLiteral("frmUserlibs");

int libraryOf(const QTreeWidgetItem* entry) {
    return entry ? entry->data(0, Qt::UserRole).toInt() : -1;
}

}

FrmUserlibs::FrmUserlibs(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmUserlibs"));
    setWindowTitle(QStringLiteral("Edit User Libraries"));
    buildControls();
    Form_Load();
}

void FrmUserlibs::buildControls() {
    lvUserLibs = new QTreeWidget(this);
    lvUserLibs->setObjectName(QStringLiteral("lvUserLibs"));
    lvUserLibs->setColumnCount(1);
    lvUserLibs->setHeaderLabels({QStringLiteral("User Libraries")});
    lvUserLibs->setRootIsDecorated(false);
    Rtb = new QPlainTextEdit(this);
    Rtb->setObjectName(QStringLiteral("Rtb"));
    Rtb->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Rtb->setLineWrapMode(QPlainTextEdit::NoWrap);
    lblCompiler = new QLabel(QStringLiteral("Compiler:"), this);
    lblCompiler->setObjectName(QStringLiteral("lblCompiler"));
    cmdSave = new QPushButton(QStringLiteral("Save Changes"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setEnabled(false);
    auto* cmdRefreshDef = new QPushButton(QStringLiteral("&Refresh Definitions"), this);
    cmdRefreshDef->setObjectName(QStringLiteral("cmdRefreshDef"));
    auto* cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    for (QPushButton* b : {cmdSave, cmdRefreshDef, cmdClose})
        b->setAutoDefault(false);

    auto* panes = new QHBoxLayout;
    panes->addWidget(lvUserLibs, 1);
    panes->addWidget(Rtb, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblCompiler);
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdRefreshDef);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes);
    layout->addLayout(buttons);
    resize(760, 480);

    connect(lvUserLibs, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* entry) { lvUserLibs_ItemClick(entry); });
    connect(lvUserLibs, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* entry) { lvUserLibs_ItemCheck(entry); });
    connect(lvUserLibs, &QTreeWidget::itemDoubleClicked, this, [this] { lvUserLibs_DblClick(); });
    connect(Rtb, &QPlainTextEdit::textChanged, this, [this] {
        cmdSave->setEnabled(true);
        EditorDirty = true;
    });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdRefreshDef, &QPushButton::clicked, this, [this] { cmdRefreshDef_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
}

void FrmUserlibs::Form_Load() {
    try {
        if (!gActiveCompiler)
            SetActiveCompiler(DefaultCompiler);
        compiler_ = gActiveCompiler;
        UserlibsFolder_ = UserlibsFolder(compiler_ ? compiler_->Path : QString());
        FolderMissing = !compiler_ || !QFileInfo(UserlibsFolder_).isDir();
        if (!FolderMissing) {
            libraries_ = ListUserLibraries(UserlibsFolder_);
            const QSignalBlocker quiet(lvUserLibs);
            for (int i = 0; i < libraries_.size(); ++i) {
                auto* entry = new QTreeWidgetItem(lvUserLibs, {libraries_[i].text});
                entry->setData(0, Qt::UserRole, i);
                entry->setFlags(entry->flags() | Qt::ItemIsUserCheckable);
                entry->setCheckState(0, libraries_[i].ticked ? Qt::Checked : Qt::Unchecked);
            }
            setWindowTitle(compiler_->Name + QStringLiteral(" User Libraries"));
            lblCompiler->setText(QStringLiteral("Compiler:  ") + compiler_->Name);
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("Form_Load"), kForm);
    }
    EditorDirty = false;
    NeedRefresh = false;
}

void FrmUserlibs::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    // Queued: a dialog closing while it is being shown would leave exec() waiting.
    QMetaObject::invokeMethod(this, &FrmUserlibs::Form_Activate, Qt::QueuedConnection);
}

void FrmUserlibs::Form_Activate() {
    if (FolderMissing) {
        platform::MsgBox(QStringLiteral("Userlibs folder for this compiler: \r\n") + UserlibsFolder_
                             + QStringLiteral("\r\ncan not be found ! "),
                         platform::vbCritical | platform::vbOKOnly);
        reject();
        return;
    }
    if (libraries_.isEmpty()) {
        platform::MsgBox(QStringLiteral("No userlibs found for ") + compiler_->Name,
                         platform::vbInformation | platform::vbOKOnly);
        return;
    }
    selectQuietly(0);
    lvUserLibs_ItemClick(lvUserLibs->topLevelItem(0));
}

QString FrmUserlibs::libraryPath(int library) const {
    return UserlibsFolder_ + QLatin1Char('/') + libraries_[library].fileName;
}

QString FrmUserlibs::editorText() const {
    // toPlainText would turn non-breaking spaces into blanks.
    QString text = Rtb->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

void FrmUserlibs::selectQuietly(int library) {
    const QSignalBlocker quiet(lvUserLibs);
    lvUserLibs->setCurrentItem(library >= 0 ? lvUserLibs->topLevelItem(library) : nullptr);
}

bool FrmUserlibs::offerToSaveEdits() {
    if (!EditorDirty || EditedItem < 0)
        return true;
    const int answer = platform::MsgBox(QStringLiteral("Save changes to ") + libraries_[EditedItem].text + QStringLiteral("?"),
                                        platform::vbYesNo | platform::vbQuestion);
    return answer != platform::vbYes || SaveUserlib(EditedItem);
}

void FrmUserlibs::lvUserLibs_ItemClick(QTreeWidgetItem* entry) {
    try {
        const int library = libraryOf(entry);
        if (library < 0)
            return;
        if (!offerToSaveEdits()) {
            selectQuietly(EditedItem);
            return;
        }
        loadLibrary(library);
    } catch (...) {
        SetErrorLog(QStringLiteral("lvUserLibs_ItemClick"), kForm);
    }
}

void FrmUserlibs::loadLibrary(int library) {
    const DeclarationText declarations = ReadDeclarationText(libraryPath(library));
    Rtb->setPlainText(declarations.text);
    lineEndsCrlf_ = declarations.crlf;
    cmdSave->setEnabled(false);
    EditorDirty = false;
    EditedItem = library;
}

void FrmUserlibs::lvUserLibs_ItemCheck(QTreeWidgetItem* entry) {
    try {
        const int library = libraryOf(entry);
        if (library < 0)
            return;
        const bool ticked = entry->checkState(0) == Qt::Checked;
        if (ticked == libraries_[library].ticked)
            return;
        QString failure;
        if (SwitchUserLibrary(UserlibsFolder_, libraries_[library], ticked, failure)) {
            NeedRefresh = true;
            return;
        }
        const QSignalBlocker quiet(lvUserLibs);
        entry->setCheckState(0, libraries_[library].ticked ? Qt::Checked : Qt::Unchecked);
        LogNewErrorQuietly(ErrPathFileAccess, failure, QStringLiteral("lvUserLibs_ItemCheck"), kForm);
    } catch (...) {
        SetErrorLog(QStringLiteral("lvUserLibs_ItemCheck"), kForm);
    }
}

void FrmUserlibs::lvUserLibs_DblClick() {
    QTreeWidgetItem* entry = lvUserLibs->currentItem();
    if (entry)
        entry->setCheckState(0, entry->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

bool FrmUserlibs::SaveUserlib(int library) {
    const QString path = libraryPath(library);
    if (!WriteDeclarationText(path, {editorText(), lineEndsCrlf_})) {
        platform::MsgBox(QStringLiteral("Changes to ") + path + QStringLiteral(" could not be saved !\r\n") +
                             platform::lastWriteFailure(),
                         platform::vbExclamation | platform::vbOKOnly);
        return false;
    }
    cmdSave->setEnabled(false);
    EditorDirty = false;
    NeedRefresh = true;
    return true;
}

void FrmUserlibs::cmdSave_Click() {
    if (EditedItem >= 0)
        SaveUserlib(EditedItem);
}

void FrmUserlibs::cmdRefreshDef_Click() {
    if (!compiler_)
        return;
    RefreshDefinitions(compiler_->Name, compiler_->Path);
    NeedRefresh = false;
}

void FrmUserlibs::cmdClose_Click() {
    if (offerToSaveEdits())
        reject();
}

void FrmUserlibs::reject() {
    if (NeedRefresh
        && platform::MsgBox(QStringLiteral("Changes had been made to the userlibs after the last time you refreshed the "
                                           "definitions.\r\nAre you sure you want to close this form?"),
                            platform::vbYesNo | platform::vbQuestion)
               == platform::vbNo)
        return;
    QDialog::reject();
}

void ShowUserlibsDialog(QWidget* owner) {
    platform::PromptRequest request;
    request.kind = platform::PromptKind::ModalForm;
    request.title = QStringLiteral("Edit User Libraries");
    request.choices = {QStringLiteral("&Close")};
    if (platform::ask(request).button != -1)
        return;
    FrmUserlibs form(owner);
    form.exec();
}
