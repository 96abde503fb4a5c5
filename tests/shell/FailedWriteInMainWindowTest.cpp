#include "shell/MainWindowFixture.h"

#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"
#include "files/Project.h"
#include "files/ProjectLoading.h"
#include "files/projects/ProjectsTree.h"
#include "files/projects/frmProjectEx.h"
#include "platform/SettingsStore.h"
#include "platform/dock/DockWindow.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QTreeWidgetItem>

#include <cstring>
#include <sys/mount.h>

namespace {

QByteArray hashOf(const QString& path) {
    return QCryptographicHash::hash(readAll(path), QCryptographicHash::Sha256);
}

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QStringList criticalTexts(const QList<platform::PromptRequest>& prompts) {
    QStringList texts;
    for (const platform::PromptRequest& prompt : prompts)
        if (prompt.icon == platform::vbCritical || prompt.kind == platform::PromptKind::ModalForm)
            texts.append(prompt.title + QLatin1Char('|') + prompt.text);
    return texts;
}

// The main window over folders on small disks of their own (tmpfs), which
// a test fills or makes read-only: failures that hold for root too.
class FailedWriteInMainWindowTest : public MainWindowTest {
protected:
    // Mounts a tmpfs on each folder before the window loads; false (the test
    // skips) where mounting is refused.
    bool mountDisks(const QStringList& folders) {
        for (const QString& folder : folders) {
            QDir().mkpath(folder);
            if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=1m") != 0) {
                refusal_ = QString::fromLocal8Bit(std::strerror(errno));
                return false;
            }
            mounted_.append(folder);
        }
        return true;
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        for (const QString& folder : mounted_)
            ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
    }

    void fill(const QString& folder) {
        QFile filler(folder + QStringLiteral("/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) > 0) {
        }
        for (char byte = 'f'; filler.write(&byte, 1) == 1;) {
        }
    }
    bool makeReadOnly(const QString& folder) {
        return ::mount(nullptr, QFile::encodeName(folder).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

    QString refusal_;
    QStringList mounted_;
};

class FullDiskShutdown : public FailedWriteInMainWindowTest {
protected:
    void SetUp() override {
        if (!mountDisks({home(), configHome()}))
            GTEST_SKIP() << "no tmpfs for a full disk: mount says " << refusal_.toStdString();
        MainWindowTest::SetUp();
    }
};

class ReadOnlyProjectFolder : public FailedWriteInMainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        if (!mountDisks({homeFile(QStringLiteral("game"))}))
            GTEST_SKIP() << "no tmpfs for a read-only folder: mount says " << refusal_.toStdString();
    }
};

}

// What the session changed (a file opened, so the recent list) goes to the
// settings file at shutdown; on a full disk the old file stays whole and
// readable, no temporary file is left, and the user is told which file and why.
TEST_F(FullDiskShutdown, TheOldSettingsFileStaysWholeAndTheUserIsTold) {
    platform::SaveSetting(QStringLiteral("Test"), QStringLiteral("Old"), QStringLiteral("kept"));
    openFiles({QStringLiteral("a.bb")});
    const QString settings = platform::settingsFilePath();
    const QByteArray before = hashOf(settings);
    const QStringList entriesBefore = entriesOf(QFileInfo(settings).path());
    fill(configHome());
    fill(home());
    prompts.clear();

    EXPECT_TRUE(main->close());
    EXPECT_EQ(hashOf(settings), before);
    EXPECT_EQ(entriesOf(QFileInfo(settings).path()), entriesBefore);
    EXPECT_EQ(platform::GetSetting(QStringLiteral("Test"), QStringLiteral("Old")), QStringLiteral("kept"));
    const QStringList told = criticalTexts(prompts).filter(settings);
    ASSERT_EQ(told.size(), 1) << criticalTexts(prompts).join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(told[0].startsWith(QStringLiteral("File not written|"))) << told[0].toStdString();
    EXPECT_TRUE(told[0].contains(QString::fromLocal8Bit(std::strerror(ENOSPC)))) << told[0].toStdString();
}

// Close All Files saves a changed project first; when its folder refuses the
// write, the message names the project file and the reason, and nothing is
// closed: the project, its edited document and the file on disk stay as they were.
TEST_F(ReadOnlyProjectFolder, CloseAllFilesNamesTheProjectAndTheReasonAndClosesNothing) {
    const QString project = homeFile(QStringLiteral("game/game.kpf"));
    writeAll(homeFile(QStringLiteral("game/main.bb")), "Global a\r\n");
    writeAll(project, "[Korvo Project file]\r\n<Settings>\r\n Expanded=\"True\"\r\n</Settings>\r\n<Folders>\r\n</Folders>\r\n"
                      "<Files>\r\n AbsPath=\"\\main.bb\" PrjFolder=\"\" Line=\"0\" Column=\"0\" Tip=\"0\" Visible=\"True\"\r\n"
                      "</Files>\r\n");
    ASSERT_TRUE(LoadProject(project));
    auto* panel = qobject_cast<frmProjectEx*>(main->DS->dockWindow(QStringLiteral("Projects")).form());
    ASSERT_TRUE(panel);
    QTreeWidgetItem* root = panel->tvProjects->topLevelItem(0);
    ASSERT_TRUE(root);
    panel->tvProjects->collapseItem(root);
    ASSERT_TRUE(gProjects.Item(project)->Dirty);
    frmDoc* edited = qobject_cast<frmDoc*>(main->DS->documents().find(homeFile(QStringLiteral("game/main.bb")))->form());
    ASSERT_TRUE(edited);
    edited->setDirty(true);
    const QByteArray before = hashOf(project);
    const QStringList entriesBefore = entriesOf(homeFile(QStringLiteral("game")));
    if (!makeReadOnly(homeFile(QStringLiteral("game"))))
        GTEST_SKIP() << "the folder could not be made read-only: " << std::strerror(errno);
    prompts.clear();

    main->DS->command(QStringLiteral("Close All Files")).action()->trigger();
    const QStringList told = criticalTexts(prompts);
    ASSERT_EQ(told.size(), 1) << told.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(told[0].startsWith(QStringLiteral("File not written|"))) << told[0].toStdString();
    EXPECT_TRUE(told[0].contains(project)) << told[0].toStdString();
    EXPECT_TRUE(told[0].contains(QString::fromLocal8Bit(std::strerror(EROFS)))) << told[0].toStdString();
    EXPECT_TRUE(savePrompts().isEmpty());
    EXPECT_EQ(hashOf(project), before);
    EXPECT_EQ(entriesOf(homeFile(QStringLiteral("game"))), entriesBefore);
    ASSERT_TRUE(gProjects.Item(project));
    EXPECT_TRUE(gProjects.Item(project)->Dirty);
    EXPECT_TRUE(main->DS->documents().find(homeFile(QStringLiteral("game/main.bb"))));
    EXPECT_TRUE(edited->Dirty());
}
