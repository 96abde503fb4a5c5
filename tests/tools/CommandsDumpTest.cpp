#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

class CommandsDumpTest : public KorvoTest {
protected:
    QStringList dump(const QStringList& arguments, const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/korvo-dump"), arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QString source() {
        const QString path = homeFile(QStringLiteral("a.bb"));
        writeAll(path, "Print 1\r\nPrint 2");
        return path;
    }
};

}

TEST_F(CommandsDumpTest, ListsEveryCommandWithItsKindCategoryCaptionAndShortcut) {
    const QStringList lines = dump({"--commands"});
    EXPECT_TRUE(lines.contains(QStringLiteral("Undo\tplain\tSciFocus\tUndo\tCtrl+Z")));
    EXPECT_TRUE(lines.contains(QStringLiteral("New Line\tplain\tSciFocus\tNew Line\tReturn")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Exit\tplain\t\tExit\tAlt+F4")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Strict Mode\tplain\t\t Strict On\t")));
    EXPECT_TRUE(lines.contains(QStringLiteral("MRUExternalTools\tlist\t\tMRUExternalTools\t")));
}

TEST_F(CommandsDumpTest, RunsStepsInTheShellAndLeavesTheFileAlone) {
    QDir(home()).mkpath(QStringLiteral("conf"));
    QFile::copy(QStringLiteral(KORVO_SOURCE_DIR "/data/conf/compilers.dat"), homeFile(QStringLiteral("conf/compilers.dat")));
    const QString path = source();
    const QStringList lines = dump({"--run", path, "@0:5", "New Line", "Undo", "undo", "--caret", "1:3", "Copy Current Line", "0:0", "Paste"});
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral("text Print 2Print 1\\r\\nPrint 2"));
    EXPECT_EQ(lines[1], QStringLiteral("caret 0:7"));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("markers 0 ")) && lines[3].startsWith(QStringLiteral("markers 1 ")));
    EXPECT_EQ(lines[4], QStringLiteral("caption a.bb"));
    EXPECT_TRUE(lines.contains(QStringLiteral("checked Strict Mode")));
    EXPECT_EQ(readAll(path), QByteArray("Print 1\r\nPrint 2"));

    // Without a program folder of its own, the run takes a copy of the build's.
    QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
    bare.remove(QStringLiteral("KORVO_HOME"));
    bare.remove(QStringLiteral("XDG_CONFIG_HOME"));
    EXPECT_EQ(dump({"--run", path, "Select All", "Delete"}, bare).value(0), QStringLiteral("text "));
    EXPECT_EQ(readAll(path), QByteArray("Print 1\r\nPrint 2"));
}
