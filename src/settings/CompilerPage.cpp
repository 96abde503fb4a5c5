#include "settings/CompilerPage.h"

#include "build/CompilerList.h"
#include "build/KeywordRefresh.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/Prompt.h"
#include "settings/DialogControls.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

using namespace dialogcontrols;

namespace {

constexpr int kMostCompilers = 32;
const QString kForm = QStringLiteral("frmOptions");
const QString kCompilerIcon = QStringLiteral("compiler");
const QString kDefaultIcon = QStringLiteral("default");

void setIcon(QListWidgetItem* item, const QString& icon) {
    item->setData(Qt::UserRole, icon);
    item->setIcon(QApplication::style()->standardIcon(icon == kDefaultIcon ? QStyle::SP_DialogApplyButton : QStyle::SP_ComputerIcon));
}

// Runs a handler that logs what it raises under its own name.
template <typename Handler>
void trapped(const char* name, Handler handler) {
    RunReportingErrors(QLatin1String(name), kForm, handler);
}

}

CompilerPage::CompilerPage(QWidget* parent) : QWidget(parent) {
    lvCompilers = new QListWidget(this);
    lvCompilers->setObjectName(QStringLiteral("lvCompilers"));
    txtBlitzPath = line(this, "txtBlitzPath");
    txtHelpPath = line(this, "txtHelpPath");
    chkUseBlitzConsole = check(this, "chkUseBlitzConsole",
                               QStringLiteral("On compile, use original console instead of the output window "));
    QPushButton* cmdAdd = button(this, "cmdAdd", QStringLiteral("&Add new"), QStringLiteral("Add new compiler"));
    QPushButton* cmdRemove = button(this, "cmdRemove", QStringLiteral("&Remove"), QStringLiteral("Remove selected compiler"));
    QPushButton* cmdRename = button(this, "cmdRename", QStringLiteral("Re&name"), QStringLiteral("Rename selected compiler"));
    QPushButton* cmdSetAsDefault =
        button(this, "cmdSetAsDefault", QStringLiteral("&Set as Default"), QStringLiteral("Set selected compiler as default"));
    QPushButton* cmdRefreshDef = button(this, "cmdRefreshDef", QStringLiteral("Refresh &Definitions"),
                                        QStringLiteral("Refresh keyword definitions for selected compiler"));
    QToolButton* cmdBrowseBpath = browseButton(this, "cmdBrowseBpath");
    QToolButton* cmdBrowseHPath = browseButton(this, "cmdBrowseHPath");

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {cmdAdd, cmdRemove, cmdRename, cmdSetAsDefault, cmdRefreshDef})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(lvCompilers, 1);
    listRow->addLayout(buttons);
    auto* paths = new QGridLayout;
    paths->addWidget(label(this, QStringLiteral("Blitz path")), 0, 0, 1, 2);
    paths->addWidget(txtBlitzPath, 1, 0);
    paths->addWidget(cmdBrowseBpath, 1, 1);
    paths->addWidget(label(this, QStringLiteral("Help Path")), 2, 0, 1, 2);
    paths->addWidget(txtHelpPath, 3, 0);
    paths->addWidget(cmdBrowseHPath, 3, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(listRow, 1);
    layout->addLayout(paths);
    layout->addWidget(chkUseBlitzConsole);
    layout->addWidget(label(this, QStringLiteral("( not recommended, as Korvo won't be able to parse output )")));

    connect(lvCompilers, &QListWidget::currentRowChanged, this, &CompilerPage::lvCompilers_ItemClick);
    connect(txtBlitzPath, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (SelectedCompiler)
            SelectedCompiler->Path = text;
    });
    connect(txtHelpPath, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (SelectedCompiler)
            SelectedCompiler->HelpPath = text;
    });
    connect(chkUseBlitzConsole, &QCheckBox::clicked, this, [this](bool checked) {
        if (SelectedCompiler)
            SelectedCompiler->RealConsole = checked;
    });
    connect(cmdAdd, &QPushButton::clicked, this, &CompilerPage::cmdAdd_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &CompilerPage::cmdRemove_Click);
    connect(cmdRename, &QPushButton::clicked, this, &CompilerPage::cmdRename_Click);
    connect(cmdSetAsDefault, &QPushButton::clicked, this, &CompilerPage::cmdSetAsDefault_Click);
    connect(cmdRefreshDef, &QPushButton::clicked, this, &CompilerPage::cmdRefreshDef_Click);
    connect(cmdBrowseBpath, &QToolButton::clicked, this, &CompilerPage::cmdBrowseBpath_Click);
    connect(cmdBrowseHPath, &QToolButton::clicked, this, &CompilerPage::cmdBrowseHPath_Click);

    PopulateCompilers();
    lvCompilers_ItemClick();
}

void CompilerPage::PopulateCompilers() {
    trapped("PopulateCompilers", [this] {
        const QSignalBlocker quiet(lvCompilers);
        lvCompilers->clear();
        for (const CompilerPtr& compiler : gCompilers.NewEnum()) {
            auto* item = new QListWidgetItem(compiler->Name, lvCompilers);
            setIcon(item, !DefaultCompiler.isEmpty() && compiler->Name == DefaultCompiler ? kDefaultIcon : kCompilerIcon);
        }
        lvCompilers->setCurrentRow(0);
    });
}

void CompilerPage::selectItem(const QString& name) {
    const QSignalBlocker quiet(lvCompilers);
    const QList<QListWidgetItem*> found = lvCompilers->findItems(name, Qt::MatchExactly);
    if (!found.isEmpty())
        lvCompilers->setCurrentItem(found.first());
}

void CompilerPage::lvCompilers_ItemClick() {
    const QListWidgetItem* item = lvCompilers->currentItem();
    SelectedCompiler = item && gCompilers.Exist_Key(item->text()) ? gCompilers.Item(item->text()) : nullptr;
    ShowCompiler();
}

void CompilerPage::ShowCompiler() {
    if (!SelectedCompiler)
        return;
    txtBlitzPath->setText(SelectedCompiler->Path);
    txtHelpPath->setText(SelectedCompiler->HelpPath);
    chkUseBlitzConsole->setChecked(SelectedCompiler->RealConsole);
}

bool CompilerPage::acceptableName(const QString& name, const QString& takenMessage) {
    const QString title = QStringLiteral("Invalid name");
    if (!IsValidCompilerName(name)) {
        platform::MsgBox(QStringLiteral("A compiler's name cannot hold \"/\" or \"\\\": it also names its keyword file"),
                         platform::vbExclamation, title);
        return false;
    }
    if (gCompilers.Exist_Key(name)) {
        platform::MsgBox(takenMessage, platform::vbExclamation, title);
        return false;
    }
    return true;
}

QString CompilerPage::browseCompilerFolder() {
    const std::optional<QString> folder = platform::chooseFolder(QStringLiteral("Select Blitz path for this compiler..."), QString());
    if (!folder || folder->isEmpty() || !CheckCompilerPath(*folder))
        return QString();
    return *folder;
}

void CompilerPage::cmdAdd_Click() {
    trapped("cmdAdd_Click", [this] {
        if (gCompilers.Count() >= kMostCompilers) {
            platform::MsgBox(QStringLiteral("You can't have more than 32 compilers!"), platform::vbExclamation);
            return;
        }
        const QString name = platform::InputBox(QStringLiteral("Enter name for the new compiler:"), QStringLiteral("New compiler"));
        if (name.isEmpty() || !acceptableName(name, QStringLiteral("A Compiler with this name already exists")))
            return;
        auto compiler = std::make_shared<ClsCompiler>();
        compiler->Name = name;
        gCompilers.Add(compiler, name);
        {
            const QSignalBlocker quiet(lvCompilers);
            auto* item = new QListWidgetItem(name, lvCompilers);
            setIcon(item, kCompilerIcon);
            lvCompilers->setCurrentItem(item);
        }
        SelectedCompiler = compiler;
        txtBlitzPath->clear();
        txtHelpPath->clear();
        const QString folder = browseCompilerFolder();
        if (folder.isEmpty())
            return;
        txtBlitzPath->setText(folder);
        txtHelpPath->setText(folder + QStringLiteral("/help"));
        RefreshDefinitions(name, txtBlitzPath->text());
    });
}

void CompilerPage::cmdRemove_Click() {
    trapped("cmdRemove_Click", [this] {
        if (!lvCompilers->currentItem() || !SelectedCompiler)
            return;
        if (SelectedCompiler->Name == DefaultCompiler) {
            platform::MsgBox(QStringLiteral("You are not allowed to remove the default compiler !\r\nPlease mark other compiler as default first..."),
                             platform::vbExclamation);
            return;
        }
        if (gCompilers.Count() == 1) {
            platform::MsgBox(QStringLiteral("You must have at least one compiler!"), platform::vbCritical);
            return;
        }
        gCompilers.RemoveKey(SelectedCompiler->Name);
        PopulateCompilers();
        lvCompilers_ItemClick();
    });
}

void CompilerPage::cmdRename_Click() {
    trapped("cmdRename_Click", [this] {
        if (!lvCompilers->currentItem() || !SelectedCompiler)
            return;
        const QString oldName = SelectedCompiler->Name;
        const QString newName =
            platform::InputBox(QStringLiteral("Please enter the new name for this compiler"), QStringLiteral("Rename compiler"), oldName);
        if (newName.isEmpty() || newName == oldName || !acceptableName(newName, QStringLiteral("A Compiler with this name already exists!")))
            return;
        if (oldName == DefaultCompiler)
            DefaultCompiler = newName;
        gCompilers.RemoveKey(oldName);
        SelectedCompiler->Name = newName;
        gCompilers.Add(SelectedCompiler, newName);
        PopulateCompilers();
        selectItem(newName);
        const QString oldFile = KeywordFilePath(oldName);
        if (QFile::exists(oldFile)) {
            const QString newFile = KeywordFilePath(newName);
            QFile::remove(newFile);
            QFile::rename(oldFile, newFile);
        }
    });
}

void CompilerPage::cmdSetAsDefault_Click() {
    QListWidgetItem* selected = lvCompilers->currentItem();
    if (!selected)
        return;
    const QList<QListWidgetItem*> old = lvCompilers->findItems(DefaultCompiler, Qt::MatchExactly);
    if (!DefaultCompiler.isEmpty() && !old.isEmpty())
        setIcon(old.first(), kCompilerIcon);
    DefaultCompiler = selected->text();
    setIcon(selected, kDefaultIcon);
}

void CompilerPage::cmdRefreshDef_Click() {
    trapped("cmdRefreshDef_Click", [this] {
        if (const QListWidgetItem* selected = lvCompilers->currentItem())
            RefreshDefinitions(selected->text(), txtBlitzPath->text());
    });
}

void CompilerPage::cmdBrowseBpath_Click() {
    trapped("cmdBrowseBpath_Click", [this] {
        const QString folder = browseCompilerFolder();
        if (folder.isEmpty())
            return;
        txtBlitzPath->setText(folder);
        if (txtHelpPath->text().isEmpty())
            txtHelpPath->setText(folder + QStringLiteral("/help"));
    });
}

void CompilerPage::cmdBrowseHPath_Click() {
    const std::optional<QString> folder = platform::chooseFolder(QStringLiteral("Select Blitz Help Path"), QString());
    if (folder && !folder->isEmpty())
        txtHelpPath->setText(*folder);
}
