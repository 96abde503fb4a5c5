#include "build/CompilerList.h"
#include "editor/ActiveDocument.h"
#include "explorer/ExplorerServices.h"
#include "files/Project.h"
#include "foundation/controls/SpinText.h"
#include "language/keywords/KeywordFiles.h"
#include "platform/SettingsStore.h"
#include "settings/FrmOptions.h"
#include "support/FakeHost.h"
#include "support/StandIn.h"
#include "support/TestEnvironment.h"
#include "vocabulary/SettingsValues.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

namespace {

class PreferencesTest : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        QDir(home()).mkpath(QStringLiteral("conf"));
        addCompiler(QStringLiteral("Blitz"), QStringLiteral("/opt/blitz"));
        DefaultCompiler = QStringLiteral("Blitz");
        host.setCommandListItems(QStringLiteral("cboCompilers"), {});
    }

    void addCompiler(const QString& name, const QString& path) {
        auto compiler = std::make_shared<ClsCompiler>();
        compiler->Name = name;
        compiler->Path = path;
        compiler->HelpPath = path + QStringLiteral("/help");
        gCompilers.Add(compiler, name);
    }
    void answerText(const QString& text) {
        platform::PromptAnswer answer;
        answer.text = text;
        scriptAnswer(answer);
    }
    template <typename W = QAbstractButton>
    W* control(FrmOptions& form, const char* name) {
        W* found = form.findChild<W*>(QLatin1String(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    void click(FrmOptions& form, const char* name) { control(form, name)->click(); }
    void select(FrmOptions& form, const QString& compiler) {
        auto* list = control<QListWidget>(form, "lvCompilers");
        list->setCurrentItem(list->findItems(compiler, Qt::MatchExactly).value(0));
    }
    QStringList comboItems() const {
        QStringList names;
        for (const platform::CommandListItem& item : host.commandListItems(QStringLiteral("cboCompilers")))
            names.append(item.caption);
        return names;
    }
    QString lastPrompt() const { return prompts.isEmpty() ? QString() : prompts.last().title + QLatin1Char('|') + prompts.last().text; }
    QString listFile() const { return homeFile(QStringLiteral("conf/compilers.dat")); }

    FakeHost host;
};

}

TEST_F(PreferencesTest, AddedCompilerBecomesTheDefaultOnOKAndARenameKeepsItsDefinitionsAfterCancel) {
    StandInInstallation installation;
    QTemporaryDir listingDir;
    const QString listing = listingDir.filePath(QStringLiteral("listing.txt"));
    writeAll(listing, keywordFileText({QStringLiteral("Print")}, 3000));
    const ScopedVariable keywords("BLITZCC_KEYWORDS", listing.toUtf8());
    const QString folder = installation.path();
    {
        FrmOptions form;
        answerText(QStringLiteral("Blitz2"));
        answerText(folder);
        click(form, "cmdAdd");
        EXPECT_TRUE(QFileInfo::exists(homeFile(QStringLiteral("conf/Blitz2.lng"))));
        EXPECT_EQ(control<QLineEdit>(form, "txtHelpPath")->text(), folder + QStringLiteral("/help"));
        click(form, "cmdSetAsDefault");
        form.cmdOK_Click();
    }
    const QString blitz2 = QStringLiteral("\"Blitz2\"\r\n\"%1\"\r\n\"%1/help\"\r\n#FALSE#\r\n").arg(folder);
    const QByteArray written = QStringLiteral("1\r\n2\r\n\"Blitz\"\r\n\"/opt/blitz\"\r\n\"/opt/blitz/help\"\r\n#FALSE#\r\n%1").arg(blitz2).toUtf8();
    EXPECT_EQ(readAll(listFile()), written);
    EXPECT_EQ(platform::GetSetting(kOptionsSection, QStringLiteral("DefaultCompiler")), QStringLiteral("Blitz2"));
    {
        FrmOptions form;
        select(form, QStringLiteral("Blitz2"));
        answerText(QStringLiteral("Nova"));
        click(form, "cmdRename");
        EXPECT_EQ(control<QListWidget>(form, "lvCompilers")->currentItem()->text(), QStringLiteral("Nova"));
        EXPECT_EQ(control<QLineEdit>(form, "txtBlitzPath")->text(), folder);
        form.reject();
    }
    EXPECT_EQ(readAll(listFile()), written);
    EXPECT_EQ(platform::GetSetting(kOptionsSection, QStringLiteral("DefaultCompiler")), QStringLiteral("Blitz2"));
    EXPECT_EQ(DefaultCompiler, QStringLiteral("Nova"));
    EXPECT_TRUE(QFileInfo::exists(homeFile(QStringLiteral("conf/Nova.lng"))));
    EXPECT_FALSE(QFileInfo::exists(homeFile(QStringLiteral("conf/Blitz2.lng"))));
    EXPECT_EQ(comboItems(), (QStringList{QStringLiteral("Blitz"), QStringLiteral("Nova")}));
}

TEST_F(PreferencesTest, NamesAndRemovalsThatWouldBreakTheListAreRefused) {
    FrmOptions form;
    answerText(QStringLiteral("blitz"));
    click(form, "cmdAdd");
    EXPECT_EQ(lastPrompt(), QStringLiteral("Invalid name|A Compiler with this name already exists"));
    answerText(QStringLiteral("BLITZ"));
    click(form, "cmdRename");
    EXPECT_EQ(lastPrompt(), QStringLiteral("Invalid name|A Compiler with this name already exists!"));
    answerText(QStringLiteral("a/b"));
    click(form, "cmdAdd");
    EXPECT_TRUE(lastPrompt().startsWith(QStringLiteral("Invalid name|")));
    EXPECT_EQ(gCompilers.Count(), 1);

    click(form, "cmdRemove");
    EXPECT_EQ(lastPrompt(), QStringLiteral("Korvo|You are not allowed to remove the default compiler !\r\nPlease mark other compiler as default first..."));

    for (int i = 2; i <= 32; ++i)
        addCompiler(QStringLiteral("C%1").arg(i), QString());
    prompts.clear();
    click(form, "cmdAdd");
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(lastPrompt(), QStringLiteral("Korvo|You can't have more than 32 compilers!"));
}

TEST_F(PreferencesTest, AssociateNowRegistersTheChosenTypesAndOwnsUpToAFailure) {
    QTemporaryDir desktop;
    const ScopedVariable data("XDG_DATA_HOME", desktop.filePath(QStringLiteral("data")).toUtf8());
    const ScopedVariable templates("XDG_TEMPLATES_DIR", desktop.filePath(QStringLiteral("Templates")).toUtf8());
    QDir(desktop.path()).mkpath(QStringLiteral("Templates"));
    FrmOptions form;
    control(form, "chkAssProjectFiles")->setChecked(false);
    control(form, "chkAssWorkspaceFiles")->setChecked(false);
    control(form, "chkAddNewBBtoContextMenu")->setChecked(true);
    form.cmdAssociate_Click();

    EXPECT_TRUE(QFileInfo::exists(desktop.filePath(QStringLiteral("data/mime/packages/korvo-bb.xml"))));
    EXPECT_FALSE(QFileInfo::exists(desktop.filePath(QStringLiteral("data/mime/packages/korvo-kpf.xml"))));
    const QString entry = QString::fromUtf8(readAll(desktop.filePath(QStringLiteral("data/applications/korvo-bb.desktop"))));
    EXPECT_TRUE(entry.contains(QCoreApplication::applicationDirPath() + QStringLiteral("/korvo")));
    EXPECT_TRUE(entry.contains(QStringLiteral("%f")));
    const QFileInfo newFile(desktop.filePath(QStringLiteral("Templates/Blitz File.bb")));
    EXPECT_TRUE(newFile.exists());
    EXPECT_EQ(newFile.size(), 0);
    EXPECT_EQ(lastPrompt(), QStringLiteral("Korvo|Selected types of files are now associated with Korvo"));
    EXPECT_EQ(prompts.last().icon, platform::vbInformation);

    writeAll(desktop.filePath(QStringLiteral("blocked")), "a file, not a folder");
    const ScopedVariable blocked("XDG_DATA_HOME", desktop.filePath(QStringLiteral("blocked")).toUtf8());
    form.cmdAssociate_Click();
    EXPECT_EQ(lastPrompt(), QStringLiteral("Korvo|Korvo could not associate: .bb"));
    EXPECT_EQ(prompts.last().icon, platform::vbExclamation);
}

TEST_F(PreferencesTest, BackupControlsFollowTheirBoxesAndHelpPagesComeFromTheDefaultCompiler) {
    gCompilers.Item(QStringLiteral("Blitz"))->HelpPath = QStringLiteral("/b/help/");
    FrmOptions form;
    form.pages()->setCurrentIndex(3);
    QWidget* page = form.pages()->currentWidget();
    const char* backupControls[] = {"optBackupType(0)", "optBackupType(1)", "optStoreIn(0)", "optStoreIn(1)", "cmdBrowseBackup"};
    for (const char* name : backupControls)
        EXPECT_FALSE(control<QWidget>(form, name)->isEnabledTo(page)) << name;
    EXPECT_FALSE(control<SpinText>(form, "spnBak")->isEnabledTo(page));
    EXPECT_FALSE(control<QLineEdit>(form, "txtBackupFolder")->isEnabledTo(page));

    click(form, "chkEnableBackup");
    EXPECT_TRUE(control<SpinText>(form, "spnBak")->isEnabledTo(page));
    EXPECT_FALSE(control<QLineEdit>(form, "txtBackupFolder")->isEnabledTo(page));
    click(form, "optStoreIn(1)");
    click(form, "optBackupType(1)");
    EXPECT_TRUE(control<QLineEdit>(form, "txtBackupFolder")->isEnabledTo(page));
    EXPECT_TRUE(control<QWidget>(form, "cmdBrowseBackup")->isEnabledTo(page));
    EXPECT_FALSE(control<SpinText>(form, "spnBak")->isEnabledTo(page));

    form.setHelpPage(QStringLiteral("index.html"));
    EXPECT_EQ(control<QLineEdit>(form, "txtDefaultHelp")->text(), QStringLiteral("/b/help/index.html"));
    form.pages()->setCurrentIndex(2);
    click(form, "cmdSetHelpPage2");
    EXPECT_EQ(control<QLineEdit>(form, "txtDefaultHelp")->text(), QStringLiteral("/b/help/commands/index.htm"));
}

TEST_F(PreferencesTest, ApplyWritesTheGeneralSettingsAndAFailedApplyKeepsTheDialogOpenWithThePointerBack) {
    host.setStatusPaneVisible(QStringLiteral("StatusTime"), true);
    {
        FrmOptions form;
        form.pages()->setCurrentIndex(4);
        click(form, "chkDisplayTimeInStatus");
        click(form, "optStartUp(2)");
        form.cmdApply_Click();
    }
    EXPECT_FALSE(host.statusPaneVisible(QStringLiteral("StatusTime")));
    EXPECT_EQ(gStartUp, 2);
    EXPECT_EQ(gDisplayTimeInStatusBar, 0);
    EXPECT_EQ(platform::GetSetting(kOptionsSection, QStringLiteral("gShowRecentFull")), QString());
    EXPECT_EQ(platform::GetSetting(kOptionsSection, QStringLiteral("MultipleInstances")), QStringLiteral("0"));

    QDir(homeFile(QStringLiteral("conf"))).removeRecursively();
    FrmOptions form;
    bool closed = false;
    QObject::connect(&form, &QDialog::finished, [&closed] { closed = true; });
    form.pages()->setCurrentIndex(4);
    click(form, "chkMultipleInstances");
    form.cmdOK_Click();
    EXPECT_FALSE(closed);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(platform::GetSetting(kOptionsSection, QStringLiteral("MultipleInstances")), QStringLiteral("0"));
}

namespace {

// The code explorer as the preferences see it: which scope it shows and how
// often it refilled.
class ExplorerInFileMode : public ExplorerLists {
public:
    ExplorerInFileMode() { setExplorerLists(this); }
    ~ExplorerInFileMode() override { setExplorerLists(nullptr); }

    QString LastConstruct() const override { return QStringLiteral("Functions"); }
    void SetLastConstruct(const QString&) override {}
    int ColumnWidth(const QString&, int) const override { return 0; }
    void SetColWidth1(int) override {}
    void SetColWidth2(int) override {}
    bool ShowOnlyFile() const override { return onlyFile; }
    void PuniLista() override { ++refills; }
    bool Visible() const override { return true; }
    void FocusList(const QString&) override {}
    void SetListChecked(const QString&, bool) override {}

    bool onlyFile = true;
    int refills = 0;
};

}

TEST_F(PreferencesTest, UnsortedFunctionsTakeEffectAtOnceOnlyInFileModeWithAProject) {
    FrmOptions form;
    form.pages()->setCurrentIndex(4);
    click(form, "chkUnsortedFunctions");
    EXPECT_EQ(gUnsortedFunctions, 0) << "no explorer: waits for Apply";

    ExplorerInFileMode explorer;
    gActiveProject = std::make_shared<ClsProject>();
    explorer.onlyFile = false;
    click(form, "chkUnsortedFunctions");
    click(form, "chkUnsortedFunctions");
    EXPECT_EQ(gUnsortedFunctions, 0);
    EXPECT_EQ(explorer.refills, 0);

    explorer.onlyFile = true;
    click(form, "chkUnsortedFunctions");
    EXPECT_EQ(gUnsortedFunctions, 0) << "the box went back to the value";
    click(form, "chkUnsortedFunctions");
    EXPECT_EQ(gUnsortedFunctions, 1);
    EXPECT_TRUE(gActiveProject->Model.FunctionsDirty);
    EXPECT_EQ(explorer.refills, 1);
    gActiveProject.reset();
}

TEST_F(PreferencesTest, RecentListsAreClearedAtOnceAndTheirCaptionsAndLengthFollowApply) {
    HostList files(host, QStringLiteral("FileRecentFiles"));
    HostList projects(host, QStringLiteral("FileRecentProjects"));
    files.AddItem(QStringLiteral("/p/a.bb"), QStringLiteral("/p/a.bb"));
    projects.AddItem(QStringLiteral("/p/x.kpf"), QStringLiteral("/p/x.kpf"));
    FrmOptions form;
    form.pages()->setCurrentIndex(1);
    scriptButton(platform::vbNo);
    click(form, "cmdClearRecentProjects");
    EXPECT_EQ(projects.Count(), 1);
    click(form, "chkShowRecentFull");
    control<SpinText>(form, "txtRecentFiles")->setText(QStringLiteral("5"));
    form.cmdApply_Click();
    EXPECT_EQ(files.captions(), QStringList{QStringLiteral("a.bb")});
    EXPECT_EQ(host.commandListMaxItems(QStringLiteral("FileRecentFiles")), 5);
    EXPECT_EQ(platform::GetSetting(kOptionsSection, QStringLiteral("gShowRecentFull")), QStringLiteral("0"));

    scriptButton(platform::vbYes);
    click(form, "cmdClearRecent");
    EXPECT_EQ(prompts.last().text, QStringLiteral("Are you sure you want to purge 'recent files' list now ?"));
    form.reject();
    EXPECT_EQ(files.Count(), 0);
    EXPECT_EQ(projects.Count(), 1);
}

TEST_F(PreferencesTest, CompilerPageKeepsItsBoxesOnTheSelectedCompiler) {
    addCompiler(QStringLiteral("Other"), QStringLiteral("/opt/other"));
    FrmOptions form;
    select(form, QStringLiteral("Other"));
    control<QLineEdit>(form, "txtBlitzPath")->setText(QStringLiteral("/new"));
    click(form, "chkUseBlitzConsole");
    EXPECT_EQ(gCompilers.Item(QStringLiteral("Other"))->Path, QStringLiteral("/new"));
    EXPECT_TRUE(gCompilers.Item(QStringLiteral("Other"))->RealConsole);
    EXPECT_EQ(gCompilers.Item(QStringLiteral("Blitz"))->Path, QStringLiteral("/opt/blitz"));

    auto* list = control<QListWidget>(form, "lvCompilers");
    click(form, "cmdSetAsDefault");
    EXPECT_EQ(DefaultCompiler, QStringLiteral("Other"));
    EXPECT_EQ(list->item(0)->data(Qt::UserRole).toString(), QStringLiteral("compiler"));
    EXPECT_EQ(list->item(1)->data(Qt::UserRole).toString(), QStringLiteral("default"));

    select(form, QStringLiteral("Blitz"));
    click(form, "cmdRemove");
    EXPECT_EQ(gCompilers.Count(), 1);
    EXPECT_EQ(list->count(), 1);
    EXPECT_EQ(control<QLineEdit>(form, "txtBlitzPath")->text(), QStringLiteral("/new"));
    click(form, "cmdRemove");
    EXPECT_EQ(gCompilers.Count(), 1);

    // With nothing selected the boxes edit no compiler.
    list->clear();
    control<QLineEdit>(form, "txtHelpPath")->setText(QStringLiteral("/nowhere"));
    click(form, "cmdRename");
    EXPECT_EQ(gCompilers.Item(QStringLiteral("Other"))->HelpPath, QStringLiteral("/opt/other/help"));
}

TEST_F(PreferencesTest, TheReadmesWayToAddACompilerNamesTheDialogsOwnCaptions) {
    const QString readme = QString::fromUtf8(readAll(QStringLiteral(KORVO_SOURCE_DIR "/README.md"))).simplified();
    EXPECT_TRUE(readme.contains(QStringLiteral("Settings → Preferences → Compilers → \"Add new\", pointing it at `build/blitz-stand-in`")));
    EXPECT_TRUE(readme.contains(QStringLiteral("without a compiler's keyword file command words are not coloured")));
    FrmOptions form;
    auto* pages = control<QTabWidget>(form, "SSTab1");
    QStringList captions;
    for (int i = 0; i < pages->count(); ++i)
        captions.append(pages->tabText(i).remove(QLatin1Char('&')));
    EXPECT_TRUE(captions.contains(QStringLiteral("Compilers"))) << captions.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(control(form, "cmdAdd")->text().remove(QLatin1Char('&')), QStringLiteral("Add new"));
}
