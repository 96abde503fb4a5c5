#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace {

class ToolsDumpTest : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        QDir(home()).mkpath(QStringLiteral("conf"));
    }
    QString dump(const QStringList& arguments) {
        QProcess process;
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/korvo-dump"), arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    QString tools() const { return homeFile(QStringLiteral("conf/ExTools.dat")); }
};

}

TEST_F(ToolsDumpTest, PrintsTheToolsAndSavesThemBack) {
    writeAll(tools(), "1\n1\nEdit\n/usr/bin\ngedit %Activefile%\n1\n");
    EXPECT_EQ(dump({"--tools"}), "tool:Edit|/usr/bin|gedit %Activefile%|1\n");
    EXPECT_EQ(readAll(tools()), QByteArray("1\r\n1\r\nEdit\r\n/usr/bin\r\ngedit %Activefile%\r\n 1 \r\n"));

    // A tool that cannot be held leaves the file as it is.
    const QByteArray twice = "1\n2\nEdit\n/usr/bin\ngedit %Activefile%\n1\nEDIT\n\nvi\n0\n";
    writeAll(tools(), twice);
    EXPECT_EQ(dump({"--tools"}), "tool:Edit|/usr/bin|gedit %Activefile%|1\n");
    EXPECT_EQ(readAll(tools()), twice);
}

TEST_F(ToolsDumpTest, PrintsWhatAToolStarts) {
    writeAll(tools(), "1\r\n1\r\nT\r\n/opt/t\r\nrun %ACTIVEFILE% %activefiledir%x\r\n 1 \r\n");
    QDir().mkpath(homeFile("my game"));
    writeAll(homeFile("my game/x.bb"), "; x");
    EXPECT_EQ(dump({"--tool", "T", "--active", homeFile("my game/x.bb")}),
              "program:/opt/t/run\nargument:" + homeFile("my game/x.bb") + "\nargument:" + homeFile("my game/x") + "\n");
    EXPECT_EQ(dump({"--tool", "T"}), "program:/opt/t/run\nargument:%ACTIVEFILE%\nargument:%activefiledir%x\n");
}

TEST_F(ToolsDumpTest, PrintsTheUserLibrariesOfAFolder) {
    const QString folder = homeFile(QStringLiteral("userlibs"));
    QDir().mkpath(folder);
    for (const char* name : {"c.txt", "b.decls.disabled", "A.DECLS"})
        writeAll(folder + QLatin1Char('/') + QLatin1String(name), "");
    EXPECT_EQ(dump({"--userlibs", folder}), "A|ticked|A.DECLS\nb|unticked|b.decls.disabled\n");
}
