#include "aids/frmSnipEdit.h"

#include "aids/SnippetFiles.h"
#include "aids/frmSnippets.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/AnsiText.h"
#include "platform/AtomicFileWrite.h"
#include "platform/KorvoError.h"
#include "platform/Prompt.h"
#include "platform/dock/DockLayer.h"
#include "platform/dock/HostLayer.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QPointer<frmSnipEdit> gEditor;

const QString kNewTitle = QStringLiteral("New Snippet");
constexpr int kNameLength = 25;

[[noreturn]] void raiseInvalidName() {
    RaiseError(ErrPathFileAccess, QStringLiteral("Path/File access error"));
}

bool sameFile(const QString& a, const QString& b) {
    const QFileInfo first(a);
    const QFileInfo second(b);
    return first.exists() && second.exists() && first.canonicalFilePath() == second.canonicalFilePath();
}

// False, once the user was told, when the disk refused the bytes; the
// editor then stays open with them.
bool writeSnippet(const QString& path, const QByteArray& bytes) {
    if (!QFileInfo(QFileInfo(path).path()).isDir())
        raiseInvalidName();
    if (platform::writeFileBytesAtomically(path, bytes))
        return true;
    platform::ShowWriteFailure(path);
    return false;
}

bool overwriteAllowed(const QString& path) {
    if (!QFileInfo::exists(path))
        return true;
    return platform::MsgBox(QStringLiteral("Snippet with this name already exists in this folder! Do you want to overwrite it ?"),
                            platform::vbYesNo | platform::vbExclamation) == platform::vbYes;
}

void refreshPanel(const QString& path) {
    if (frmSnippets* panel = SnippetsPanel())
        panel->RefreshTvSnippets(path.chopped(3));
}

}

QString ProposedSnippetName(const QString& text) {
    qsizetype end = 0;
    while (end < text.size() && end < kNameLength && text[end].unicode() >= 31)
        ++end;
    return text.left(end);
}

frmSnipEdit* SnippetEditor() {
    return gEditor;
}

frmSnipEdit* ShowSnippetEditor() {
    if (!gEditor) {
        dock::DockLayer* layer = dock::hostLayer();
        gEditor = new frmSnipEdit(layer ? &layer->window() : nullptr);
    }
    gEditor->show();
    gEditor->raise();
    return gEditor;
}

frmSnipEdit::frmSnipEdit(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("frmSnipEdit"));
    setWindowTitle(QStringLiteral("Add/Edit Snippet"));

    txtFolder = new QLineEdit(this);
    txtFolder->setObjectName(QStringLiteral("txtFolder"));
    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    rtfCode = new QPlainTextEdit(this);
    rtfCode->setObjectName(QStringLiteral("rtfCode"));
    rtfCode->setLineWrapMode(QPlainTextEdit::NoWrap);
    rtfCode->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    cmdBrowse = new QPushButton(QStringLiteral("Browse"), this);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    cmdSave = new QPushButton(QStringLiteral("&OK"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    Timer = new QTimer(this);
    Timer->setSingleShot(true);
    Timer->setInterval(50);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Folder:"), this), 0, 0);
    fields->addWidget(txtFolder, 0, 1);
    fields->addWidget(cmdBrowse, 0, 2);
    fields->addWidget(new QLabel(QStringLiteral("Name:"), this), 1, 0);
    fields->addWidget(txtName, 1, 1, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(rtfCode, 1);
    layout->addLayout(buttons);
    resize(520, 380);

    connect(rtfCode, &QPlainTextEdit::textChanged, this, [this] { dirty_ = true; });
    connect(cmdBrowse, &QPushButton::clicked, this, [this] { cmdBrowse_Click(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(Timer, &QTimer::timeout, this, [this] {
        activateWindow();
        raise();
    });
}

// A closed editor is gone: the next use loads a fresh one.
void frmSnipEdit::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (gEditor == this)
        gEditor = nullptr;
    deleteLater();
}

void frmSnipEdit::StartNew(const QString& text, const QString& folder) {
    setWindowTitle(kNewTitle);
    loadedFolder_.clear();
    txtFolder->setText(folder);
    if (text != kNewTitle)
        rtfCode->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    txtName->setText(ProposedSnippetName(text));
    txtName->setSelection(0, kNameLength);
    txtName->setFocus();
}

void frmSnipEdit::StartEdit(const QString& folder, const QString& name) {
    try {
        setWindowTitle(QStringLiteral("Edit Snippet"));
        loadedFolder_ = folder;
        loadedName_ = name;
        txtFolder->setText(folder);
        txtName->setText(name);
        const QString path = SnippetFile(folder, name);
        QByteArray bytes;
        if (!QFileInfo(path).isFile() || !platform::readFileBytes(path, bytes)) {
            platform::MsgBox(QStringLiteral("Selected file does not exists on location:\r\n") + path, platform::vbCritical);
            close();
            return;
        }
        rtfCode->setPlainText(platform::fromAnsi(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        dirty_ = false;
    } catch (...) {
        SetErrorLog(QStringLiteral("StartEdit"), QStringLiteral("frmSnipEdit"));
    }
}

void frmSnipEdit::cmdBrowse_Click() {
    try {
        const std::optional<QString> chosen = platform::chooseFolder(QStringLiteral("Please select a folder"), SnippetsFolder());
        if (!chosen)
            return;
        const QString relative = AbsoluteToProgramRelative(*chosen);
        if (!relative.isEmpty())
            txtFolder->setText(relative);
    } catch (...) {
        SetErrorLog(QStringLiteral("cmdBrowse_Click"), QStringLiteral("frmSnipEdit"));
    }
}

QByteArray frmSnipEdit::codeBytes() const {
    return platform::toAnsi(rtfCode->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

void frmSnipEdit::cmdSave_Click() {
    try {
        if (txtName->text().isEmpty()) {
            close();
            return;
        }
        save();
    } catch (const KorvoError& error) {
        if (error.number == ErrPathFileAccess)
            platform::MsgBox(QStringLiteral("Invalid File Name"), platform::vbExclamation);
        else
            SetErrorLog(QStringLiteral("cmdSave_Click"), QStringLiteral("frmSnipEdit"));
    } catch (...) {
        SetErrorLog(QStringLiteral("cmdSave_Click"), QStringLiteral("frmSnipEdit"));
    }
}

// Closes the editor once saved; leaves it open when the user says No to
// overwriting.
void frmSnipEdit::save() {
    const QString folder = txtFolder->text();
    const QString name = txtName->text();
    if (!IsPlainName(name) || !IsInsideSnippets(folder))
        raiseInvalidName();
    const QString path = SnippetFile(folder, name);
    if (windowTitle() == kNewTitle) {
        if (!overwriteAllowed(path))
            return;
        if (!writeSnippet(path, codeBytes()))
            return;
        refreshPanel(path);
    } else if (folder != loadedFolder_ || name != loadedName_) {
        const QString loaded = SnippetFile(loadedFolder_, loadedName_);
        if (sameFile(path, loaded)) {
            if (!QFile::rename(loaded, path))
                raiseInvalidName();
            if (!writeSnippet(path, codeBytes()))
                return;
        } else {
            if (!overwriteAllowed(path) || !writeSnippet(path, codeBytes()))
                return;
            QFile::remove(loaded);
        }
        refreshPanel(path);
    } else if (dirty_ && !writeSnippet(path, codeBytes())) {
        return;
    }
    close();
}
