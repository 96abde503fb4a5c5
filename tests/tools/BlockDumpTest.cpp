#include "platform/SettingsStore.h"
#include "support/KorvoDump.h"
#include "support/TestEnvironment.h"

#include <QFile>

namespace {

using BlockDumpTest = KorvoTest;

const QByteArray kFile = "Function a()\r\nEnd Function\r\n; x\r\nPrint 1\r\n;~Korvo Editor Parameters:\r\n;~F#0\r\n"
                         ";~B#3#1\r\n;~L#-w\r\n;~C#BlitzCC";

}

TEST_F(BlockDumpTest, PrintsWhatTheBlockGaveAndSavesItBack) {
    writeAll(homeFile("a.bb"), kFile);
    const DumpRun block = korvoDump({"--block", homeFile("a.bb")});
    EXPECT_EQ(block.exitCode, 0);
    EXPECT_EQ(block.out, "fold 0\nbookmark 1\nbookmark 3\ncommandline -w\ncompiler BlitzCC\nlength 40\n");

    EXPECT_EQ(korvoDump({"--resave", homeFile("a.bb")}).exitCode, 0);
    EXPECT_EQ(readAll(homeFile("a.bb")),
              "Function a()\r\nEnd Function\r\n; x\r\nPrint 1\r\n;~Korvo Editor Parameters:\r\n;~F#0\r\n"
              ";~B#1#3\r\n;~L#-w\r\n;~C#BlitzCC");
}

TEST_F(BlockDumpTest, ResavingAChangedFileBacksItUpAndAFileThatCannotOpenFails) {
    platform::SaveSetting(QStringLiteral("Options"), QStringLiteral("gBackupEnabled"), QStringLiteral("1"));
    writeAll(homeFile("a.bb"), "; a");
    EXPECT_EQ(korvoDump({"--resave", homeFile("a.bb")}).exitCode, 0);
    EXPECT_FALSE(QFile::exists(homeFile("a.bb.bak1")));
    const QByteArray before = readAll(homeFile("a.bb"));
    EXPECT_EQ(korvoDump({"--resave", homeFile("a.bb"), "--changed"}).exitCode, 0);
    EXPECT_EQ(readAll(homeFile("a.bb.bak1")), before);

    const DumpRun missing = korvoDump({"--resave", homeFile("none.bb")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("Could not load file")) << missing.err.toStdString();
}
