#include "platform/SettingsStore.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace {

class BlockDumpTest : public KorvoTest {
protected:
    struct Run {
        int exitCode = -1;
        QString out;
        QString err;
    };
    Run dump(const QStringList& arguments) {
        QProcess process;
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/korvo-dump"), arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
};

const QByteArray kFile = "Function a()\r\nEnd Function\r\n; x\r\nPrint 1\r\n;~Korvo Editor Parameters:\r\n;~F#0\r\n"
                         ";~B#3#1\r\n;~L#-w\r\n;~C#BlitzCC";

}

TEST_F(BlockDumpTest, PrintsWhatTheBlockGaveAndSavesItBack) {
    writeAll(homeFile("a.bb"), kFile);
    const Run block = dump({"--block", homeFile("a.bb")});
    EXPECT_EQ(block.exitCode, 0);
    EXPECT_EQ(block.out, "fold 0\nbookmark 1\nbookmark 3\ncommandline -w\ncompiler BlitzCC\nlength 40\n");

    EXPECT_EQ(dump({"--resave", homeFile("a.bb")}).exitCode, 0);
    EXPECT_EQ(readAll(homeFile("a.bb")),
              "Function a()\r\nEnd Function\r\n; x\r\nPrint 1\r\n;~Korvo Editor Parameters:\r\n;~F#0\r\n"
              ";~B#1#3\r\n;~L#-w\r\n;~C#BlitzCC");
}

TEST_F(BlockDumpTest, ResavingAChangedFileBacksItUpAndAFileThatCannotOpenFails) {
    platform::SaveSetting(QStringLiteral("Options"), QStringLiteral("gBackupEnabled"), QStringLiteral("1"));
    writeAll(homeFile("a.bb"), "; a");
    EXPECT_EQ(dump({"--resave", homeFile("a.bb")}).exitCode, 0);
    EXPECT_FALSE(QFile::exists(homeFile("a.bb.bak1")));
    const QByteArray before = readAll(homeFile("a.bb"));
    EXPECT_EQ(dump({"--resave", homeFile("a.bb"), "--changed"}).exitCode, 0);
    EXPECT_EQ(readAll(homeFile("a.bb.bak1")), before);

    const Run missing = dump({"--resave", homeFile("none.bb")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("Could not load file")) << missing.err.toStdString();
}
