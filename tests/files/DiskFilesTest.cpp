#include "files/Backups.h"
#include "files/DiskFiles.h"
#include "platform/AnsiText.h"
#include "platform/AtomicFileWrite.h"
#include "support/TestEnvironment.h"
#include "vocabulary/SettingsValues.h"

#include <QDir>
#include <QFile>

namespace {
using DiskFilesTest = KorvoTest;
}

TEST_F(DiskFilesTest, CreatingNeverEmptiesAndRenamingNeverReplaces) {
    writeAll(homeFile("a.bb"), "keep");
    EXPECT_TRUE(CreateEmptyFile(homeFile("a.bb")));
    EXPECT_EQ(readAll(homeFile("a.bb")), "keep");
    EXPECT_TRUE(CreateEmptyFile(homeFile("new.bb")));
    EXPECT_TRUE(QFile::exists(homeFile("new.bb")));

    EXPECT_FALSE(RenameDiskFile(homeFile("a.bb"), QStringLiteral("new.bb")));
    EXPECT_EQ(prompts.last().title, "Could not rename file");
    EXPECT_TRUE(prompts.last().text.startsWith("Error while renaming file to new.bb\r\n"));
    EXPECT_FALSE(RenameDiskFile(homeFile("a.bb"), QStringLiteral("sub/b.bb")));
    EXPECT_EQ(readAll(homeFile("a.bb")), "keep");
    EXPECT_TRUE(RenameDiskFile(homeFile("a.bb"), QStringLiteral("b.bb")));
    EXPECT_EQ(readAll(homeFile("b.bb")), "keep");
    EXPECT_FALSE(QFile::exists(homeFile("a.bb")));
}

TEST_F(DiskFilesTest, TheAtomicWriterKeepsPermissionsAndLinks) {
    writeAll(homeFile("t.bb"), "old");
    QFile::setPermissions(homeFile("t.bb"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup);
    ASSERT_TRUE(platform::writeFileBytesAtomically(homeFile("t.bb"), "new"));
    EXPECT_EQ(readAll(homeFile("t.bb")), "new");
    EXPECT_EQ(QFile::permissions(homeFile("t.bb")) & 0x7077,
              (QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup) & 0x7077);

    ASSERT_TRUE(QFile::link(homeFile("t.bb"), homeFile("link.bb")));
    ASSERT_TRUE(platform::writeFileBytesAtomically(homeFile("link.bb"), "through"));
    EXPECT_TRUE(QFileInfo(homeFile("link.bb")).isSymLink());
    EXPECT_EQ(readAll(homeFile("t.bb")), "through");
}

TEST_F(DiskFilesTest, DatedBackupsFollowTheDateOrder) {
    const QDateTime when(QDate(2006, 12, 25), QTime(14, 30));
    EXPECT_EQ(DatedBackupName("main.bb", when, false), "main.bb_25.12.2006_14.30.bak");
    EXPECT_EQ(DatedBackupName("main.bb", when, true), "main.bb_12.25.2006_14.30.bak");

    writeAll(homeFile("main.bb"), "v0");
    gBackupType = 1;
    gBackupStoreType = 1;
    gBackupStoreFolder = homeFile("store\\\\deep\\");
    EXPECT_TRUE(BackupFile(homeFile("main.bb")));
    const QStringList copies = QDir(homeFile("store/deep")).entryList(QDir::Files);
    ASSERT_EQ(copies.size(), 1);
    EXPECT_TRUE(copies[0].startsWith("main.bb_") && copies[0].endsWith(".bak"));
    EXPECT_EQ(gBackupStoreFolder, homeFile("store/deep/"));

    gBackupType = 0;
    gBackupBakIncrement = 1;
    EXPECT_TRUE(BackupFile(homeFile("main.bb")));
    EXPECT_EQ(readAll(homeFile("store/deep/main.bb.bak1")), "v0");
}
