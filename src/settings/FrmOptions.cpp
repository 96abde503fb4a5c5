#include "settings/FrmOptions.h"

#include "build/CommandCombos.h"
#include "build/CompilerList.h"
#include "editor/ActiveDocument.h"
#include "explorer/ExplorerServices.h"
#include "files/Project.h"
#include "files/RecentFilesProjects.h"
#include "foundation/controls/SpinText.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/Host.h"
#include "platform/Prompt.h"
#include "platform/SettingsStore.h"
#include "settings/CompilerPage.h"
#include "settings/DialogControls.h"
#include "settings/FileAssociations.h"
#include "vocabulary/SettingsValues.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace dialogcontrols;

namespace {

const QString kForm = QStringLiteral("frmOptions");

void write(const char* key, const QString& value) {
    platform::SaveSetting(kOptionsSection, QLatin1String(key), value);
}

}

FrmOptions::FrmOptions(QWidget* parent)
    : OptionsDialog(kForm, QStringLiteral("Preferences"), QStringLiteral("LastSelectedTabOptions"), QStringLiteral("picPomosna"),
                    QSize(6610, 7385), parent) {
    QWidget* compilers = addPage(QStringLiteral("&Compilers"));
    auto* layout = new QVBoxLayout(compilers);
    compilers_ = new CompilerPage(compilers);
    layout->addWidget(compilers_);
    buildFilesPage();
    buildBrowserPage();
    buildBackupPage();
    buildGeneralPage();
    loadValues();
    finishPages();
}

void FrmOptions::buildFilesPage() {
    QWidget* page = addPage(QStringLiteral("&Files"));
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(row({label(page, QStringLiteral("Default name for new file:")), line(page, "txtDefNewName")}));
    layout->addWidget(check(page, "chkEnumerateNewFiles", QStringLiteral("Enumerate new files")));

    QGroupBox* recent = frame(page, QStringLiteral("Recent Files"));
    auto* recentLayout = new QGridLayout(recent);
    recentLayout->addLayout(row({label(recent, QStringLiteral("Recent Files/Projects in menus:")), spin(recent, "txtRecentFiles", 5, 30)}), 0, 0, 1, 2);
    recentLayout->addWidget(check(recent, "chkShowRecentFull", QStringLiteral("Show Recent files with full path")), 1, 0, 1, 2);
    QPushButton* cmdClearRecent = button(recent, "cmdClearRecent", QStringLiteral("Clear Recent Files List"));
    QPushButton* cmdClearRecentProjects = button(recent, "cmdClearRecentProjects", QStringLiteral("Clear Recent Projects List"));
    recentLayout->addWidget(cmdClearRecent, 2, 0);
    recentLayout->addWidget(cmdClearRecentProjects, 2, 1);
    layout->addWidget(recent);
    connect(cmdClearRecent, &QPushButton::clicked, this, &FrmOptions::cmdClearRecent_Click);
    connect(cmdClearRecentProjects, &QPushButton::clicked, this, &FrmOptions::cmdClearRecentProjects_Click);

    QGroupBox* association = frame(page, QStringLiteral("File Association"));
    auto* types = new QVBoxLayout(association);
    types->addWidget(label(association, QStringLiteral("Select file types you want to be associated with Korvo :")));
    types->addWidget(check(association, "chkAssBBfiles", QStringLiteral("Blitz Files (.BB)")));
    types->addWidget(check(association, "chkAssProjectFiles", QStringLiteral("Korvo Project Files (.KPF)")));
    types->addWidget(check(association, "chkAssWorkspaceFiles", QStringLiteral("Korvo Workspace Files (.KWS)")));
    QCheckBox* newMenu = check(association, "chkAddNewBBtoContextMenu", QStringLiteral("Add 'New -> Blitz File' to the file manager's New menu"));
    newMenu->setToolTip(QStringLiteral(" For .BB files, check this to add 'New -> Blitz File' to the file manager's New menu"));
    types->addWidget(newMenu);
    QPushButton* cmdAssociate = button(association, "cmdAssociate", QStringLiteral("&Associate now"));
    types->addLayout(row({cmdAssociate}));
    layout->addWidget(association);
    connect(cmdAssociate, &QPushButton::clicked, this, &FrmOptions::cmdAssociate_Click);
    layout->addStretch();
}

void FrmOptions::buildBrowserPage() {
    QWidget* page = addPage(QStringLiteral("&Browser"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(check(page, "chkOpenBrowserAtStartup", QStringLiteral("Open browser at start-up")));
    layout->addWidget(label(page, QStringLiteral("Default Page for New window in browser ( leave blank for blank page ) :")));
    QToolButton* cmdBrowseDefPage = browseButton(page, "cmdBrowseDefPage");
    auto* pageRow = new QHBoxLayout;
    pageRow->addWidget(line(page, "txtDefaultHelp"), 1);
    pageRow->addWidget(cmdBrowseDefPage);
    layout->addLayout(pageRow);
    QPushButton* cmdSetHelpPage = button(page, "cmdSetHelpPage", QStringLiteral("Set to default compiler Help index"));
    QPushButton* cmdSetHelpPage2 = button(page, "cmdSetHelpPage2", QStringLiteral("Set to def. compiler Commands index"));
    layout->addLayout(row({cmdSetHelpPage, cmdSetHelpPage2}));
    layout->addWidget(check(page, "chkOpenHtmlInKorvo", QStringLiteral("Use this browser when opening HTML files from file explorer")));
    layout->addStretch();
    connect(cmdBrowseDefPage, &QToolButton::clicked, this, &FrmOptions::cmdBrowseDefPage_Click);
    connect(cmdSetHelpPage, &QPushButton::clicked, this, [this] { setHelpPage(QStringLiteral("index.html")); });
    connect(cmdSetHelpPage2, &QPushButton::clicked, this, [this] { setHelpPage(QStringLiteral("commands/index.htm")); });
}

void FrmOptions::buildBackupPage() {
    QWidget* page = addPage(QStringLiteral("Bac&kup"));
    auto* layout = new QVBoxLayout(page);
    QCheckBox* chkEnableBackup = check(page, "chkEnableBackup", QStringLiteral("Enable Automatic Backup"));
    layout->addWidget(chkEnableBackup);
    connect(chkEnableBackup, &QCheckBox::clicked, this, &FrmOptions::EnableBackupOptions);

    QGroupBox* kind = frame(page, QStringLiteral("Type of backup"));
    auto* kinds = new QVBoxLayout(kind);
    QRadioButton* numbered = option(kind, "optBackupType(0)", QStringLiteral("Add incremental .bak extension and keep the last "));
    SpinText* spnBak = spin(kind, "spnBak", 1, 9);
    kinds->addLayout(row({numbered, spnBak, label(kind, QStringLiteral("backup files"))}));
    QRadioButton* stamped = option(kind, "optBackupType(1)", QStringLiteral("Add date/time stamp to the file name and keep all backup files"));
    kinds->addWidget(stamped);
    layout->addWidget(kind);
    connect(numbered, &QRadioButton::clicked, spnBak, [spnBak] { spnBak->setEnabled(true); });
    connect(stamped, &QRadioButton::clicked, spnBak, [spnBak] { spnBak->setEnabled(false); });

    QGroupBox* store = frame(page, QStringLiteral("Store backup files"));
    auto* stores = new QVBoxLayout(store);
    QRadioButton* beside = option(store, "optStoreIn(0)", QStringLiteral("In the same directory as the file"));
    QRadioButton* inFolder = option(store, "optStoreIn(1)", QStringLiteral("In the specified backup directory:"));
    QLineEdit* txtBackupFolder = line(store, "txtBackupFolder");
    QToolButton* cmdBrowseBackup = browseButton(store, "cmdBrowseBackup");
    stores->addWidget(beside);
    stores->addWidget(inFolder);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(txtBackupFolder, 1);
    folderRow->addWidget(cmdBrowseBackup);
    stores->addLayout(folderRow);
    layout->addWidget(store);
    layout->addStretch();
    for (auto [button, on] : {std::pair{beside, false}, std::pair{inFolder, true}})
        connect(button, &QRadioButton::clicked, this, [txtBackupFolder, cmdBrowseBackup, on = on] {
            txtBackupFolder->setEnabled(on);
            cmdBrowseBackup->setEnabled(on);
        });
    connect(cmdBrowseBackup, &QToolButton::clicked, this, &FrmOptions::cmdBrowseBackup_Click);
}

void FrmOptions::buildGeneralPage() {
    QWidget* page = addPage(QStringLiteral("&General"));
    auto* layout = new QVBoxLayout(page);
    QGroupBox* startUp = frame(page, QStringLiteral("On Start-up"));
    auto* starts = new QVBoxLayout(startUp);
    starts->addWidget(option(startUp, "optStartUp(1)", QStringLiteral("Open last opened files ( restore last workspace )")));
    starts->addWidget(option(startUp, "optStartUp(2)", QStringLiteral("Open new empty file")));
    starts->addWidget(option(startUp, "optStartUp(3)", QStringLiteral("Do not create any documents")));
    layout->addWidget(startUp);
    QGroupBox* compile = frame(page, QStringLiteral("On Compile"));
    auto* compiles = new QVBoxLayout(compile);
    compiles->addWidget(option(compile, "optOnCompile(0)", QStringLiteral("Save all open files")));
    compiles->addWidget(option(compile, "optOnCompile(1)", QStringLiteral("Save only files that belong to the active project")));
    layout->addWidget(compile);
    QGroupBox* explorer = frame(page, QStringLiteral("Start File Explorer in"));
    auto* folders = new QVBoxLayout(explorer);
    folders->addWidget(option(explorer, "OptFileExStartPath(1)", QStringLiteral("Last Used Directory")));
    folders->addWidget(option(explorer, "OptFileExStartPath(0)", QStringLiteral("System's Current Directory")));
    layout->addWidget(explorer);
    const std::pair<const char*, const char*> boxes[] = {
        {"chkMultipleInstances", "Allow multiple program instances"},
        {"chkDisplayTimeInStatus", "Display Time in Statusbar"},
        {"chkDebugMaximized", "Start debugger window maximized"},
        {"chkDoubleClickClosesTab", "Double Click on File Tab's caption closes file"},
        {"chkTabbingStartsWithPrevious", "CTRL-Tabbing starts with previous active file "},
        {"chkUnsortedFunctions", "Don't sort functions in the Code Explorer when in file mode "},
    };
    for (const auto& [name, caption] : boxes)
        layout->addWidget(check(page, name, QLatin1String(caption)));
    layout->addLayout(row({label(page, QStringLiteral("Clipboard ring holds")), spin(page, "txtClipRingMaxItems", 5, 50, 5),
                           label(page, QStringLiteral("recent items"))}));
    layout->addStretch();
    connect(box("chkUnsortedFunctions"), &QCheckBox::clicked, this, &FrmOptions::chkUnsortedFunctions_Click);
}

void FrmOptions::loadValues() {
    const std::pair<const char*, int> boxes[] = {
        {"chkMultipleInstances", MultipleInstances},
        {"chkAssBBfiles", AssBBfiles},
        {"chkAssProjectFiles", AssProjectFiles},
        {"chkAssWorkspaceFiles", AssWorkspaceFiles},
        {"chkEnumerateNewFiles", gEnumerateNewFiles},
        {"chkShowRecentFull", gShowRecentFull},
        {"chkDisplayTimeInStatus", gDisplayTimeInStatusBar},
        {"chkOpenHtmlInKorvo", gOpenHtmlInKorvo},
        {"chkOpenBrowserAtStartup", gOpenBrowserAtStartup},
        {"chkDebugMaximized", gDebugMaximized},
        {"chkDoubleClickClosesTab", gDoubleClickClosesTabs},
        {"chkTabbingStartsWithPrevious", gTabbingStartsWithPrevious},
        {"chkUnsortedFunctions", gUnsortedFunctions},
        {"chkEnableBackup", gBackupEnabled},
    };
    for (const auto& [name, value] : boxes)
        box(name)->setChecked(value != 0);
    const std::pair<const char*, int> groups[] = {
        {"optStartUp", gStartUp}, {"OptFileExStartPath", gFileExStartPath}, {"optOnCompile", gOnCompileSave},
        {"optBackupType", gBackupType}, {"optStoreIn", gBackupStoreType},
    };
    for (const auto& [group, value] : groups)
        if (QRadioButton* selected = opt(group, value))
            selected->setChecked(true);
    spinBox("txtRecentFiles")->setText(QString::number(gRecentFiles));
    spinBox("txtClipRingMaxItems")->setText(QString::number(gClipRingMaxItems));
    spinBox("spnBak")->setText(QString::number(gBackupBakIncrement));
    text("txtDefNewName")->setText(gDefNewName);
    text("txtDefaultHelp")->setText(gDefaultHelpPage);
    text("txtBackupFolder")->setText(gBackupStoreFolder);
    EnableBackupOptions(gBackupEnabled != 0);
}

void FrmOptions::EnableBackupOptions(bool enable) {
    for (const char* group : {"optBackupType", "optStoreIn"})
        for (int i : {0, 1})
            opt(group, i)->setEnabled(enable);
    spinBox("spnBak")->setEnabled(enable && opt("optBackupType", 0)->isChecked());
    const bool folder = enable && opt("optStoreIn", 1)->isChecked();
    text("txtBackupFolder")->setEnabled(folder);
    findChild<QToolButton*>(QStringLiteral("cmdBrowseBackup"))->setEnabled(folder);
}

void FrmOptions::chkUnsortedFunctions_Click() {
    const int state = box("chkUnsortedFunctions")->isChecked() ? 1 : 0;
    ExplorerLists* lists = explorerLists();
    if (state == gUnsortedFunctions || !lists || !lists->ShowOnlyFile() || !gActiveProject)
        return;
    gActiveProject->Model.FunctionsDirty = true;
    gUnsortedFunctions = state;
    platform::host().invalidateCodeExplorer();
    lists->PuniLista();
}

void FrmOptions::cmdClearRecent_Click() {
    if (platform::MsgBox(QStringLiteral("Are you sure you want to purge 'recent files' list now ?"), platform::vbQuestion | platform::vbYesNo) ==
        platform::vbYes)
        platform::host().setCommandListItems(QStringLiteral("FileRecentFiles"), {});
}

void FrmOptions::cmdClearRecentProjects_Click() {
    if (platform::MsgBox(QStringLiteral("Are you sure you want to purge 'recent projects' list now ?"),
                         platform::vbQuestion | platform::vbYesNo) == platform::vbYes)
        platform::host().setCommandListItems(QStringLiteral("FileRecentProjects"), {});
}

void FrmOptions::cmdAssociate_Click() {
    try {
        AssociateChosenTypes(box("chkAssBBfiles")->isChecked(), box("chkAssProjectFiles")->isChecked(),
                             box("chkAssWorkspaceFiles")->isChecked(), box("chkAddNewBBtoContextMenu")->isChecked());
    } catch (...) {
        SetErrorLog(QStringLiteral("cmdAssociate_Click"), kForm);
    }
}

void FrmOptions::cmdBrowseBackup_Click() {
    try {
        const std::optional<QString> folder = platform::chooseFolder(QStringLiteral("Select your Backup directory..."), QString());
        if (folder && !folder->isEmpty())
            text("txtBackupFolder")->setText(*folder);
    } catch (...) {
        SetErrorLog(QStringLiteral("cmdBrowseBackup_Click"), kForm);
    }
}

void FrmOptions::cmdBrowseDefPage_Click() {
    const std::optional<QString> file =
        platform::chooseOpenFile(QStringLiteral("Choose file for the default page..."), QString(), QStringLiteral("HTML Files (*.html *.htm)"));
    if (file && !file->isEmpty())
        text("txtDefaultHelp")->setText(*file);
}

void FrmOptions::setHelpPage(const QString& page) {
    if (DefaultCompiler.isEmpty() || !gCompilers.Exist_Key(DefaultCompiler))
        return;
    QString folder = gCompilers.Item(DefaultCompiler)->HelpPath;
    while (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    text("txtDefaultHelp")->setText(folder + QLatin1Char('/') + page);
}

bool FrmOptions::apply() {
    if (!SaveCompilerList(gCompilers))
        return false;
    Applied = true;
    write("DefaultCompiler", DefaultCompiler);
    write("MultipleInstances", state(box("chkMultipleInstances")));
    write("AssBBfiles", state(box("chkAssBBfiles")));
    write("AssProjectFiles", state(box("chkAssProjectFiles")));
    write("AssWorkspaceFiles", state(box("chkAssWorkspaceFiles")));
    write("gRecentFiles", spinBox("txtRecentFiles")->Text());
    write("gDefNewName", text("txtDefNewName")->text());
    write("gEnumerateNewFiles", state(box("chkEnumerateNewFiles")));

    const int showFull = box("chkShowRecentFull")->isChecked() ? 1 : 0;
    if (showFull != gShowRecentFull) {
        gShowRecentFull = showFull;
        SaveRecentFilesProjects();
        LoadRecentFilesProjects();
        write("gShowRecentFull", state(box("chkShowRecentFull")));
    }

    write("gFileExStartPath", opt("OptFileExStartPath", 1)->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    write("gOnCompileSave", opt("optOnCompile", 1)->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    write("gOpenHtmlInKorvo", state(box("chkOpenHtmlInKorvo")));
    write("gDefaultHelpPage", text("txtDefaultHelp")->text());
    write("gOpenBrowserAtStartup", state(box("chkOpenBrowserAtStartup")));
    write("gDebugMaximized", state(box("chkDebugMaximized")));
    write("gDoubleClickClosesTabs", state(box("chkDoubleClickClosesTab")));
    write("gClipRingMaxItems", spinBox("txtClipRingMaxItems")->Text());
    write("gTabbingStartsWithPrevious", state(box("chkTabbingStartsWithPrevious")));
    write("gUnsortedFunctions", state(box("chkUnsortedFunctions")));
    write("gBackupEnabled", state(box("chkEnableBackup")));
    write("gBackupType", opt("optBackupType", 0)->isChecked() ? QStringLiteral("0") : QStringLiteral("1"));
    write("gBackupBakIncrement", spinBox("spnBak")->Text());
    write("gBackupStoreType", opt("optStoreIn", 0)->isChecked() ? QStringLiteral("0") : QStringLiteral("1"));
    write("gBackupStoreFolder", text("txtBackupFolder")->text());

    const bool clock = box("chkDisplayTimeInStatus")->isChecked();
    if (clock != (gDisplayTimeInStatusBar != 0)) {
        write("gDisplayTimeInStatusBar", state(box("chkDisplayTimeInStatus")));
        platform::host().setStatusPaneVisible(QStringLiteral("StatusTime"), clock);
    }
    for (int i = 1; i <= 3; ++i)
        if (opt("optStartUp", i)->isChecked()) {
            write("gStartUp", QString::number(i));
            break;
        }
    gRecentFiles = spinBox("txtRecentFiles")->Value();
    platform::host().setCommandListMaxItems(QStringLiteral("FileRecentFiles"), gRecentFiles);
    GetOptions();
    return true;
}

void FrmOptions::unload() {
    compilers_->release();
    PopulateCboCompilers();
}

void ShowPreferences(QWidget* owner) {
    ShowOptionsDialog<FrmOptions>(owner, QStringLiteral("Preferences"));
}
