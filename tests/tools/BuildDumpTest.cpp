#include "support/StandIn.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QProcess>

namespace {

class BuildDumpTest : public KorvoTest {
protected:
    QString dump(const QStringList& arguments) {
        QProcess process;
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/korvo-dump"), arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    StandInInstallation installation;
};

}

TEST_F(BuildDumpTest, PrintsWhatABuildShowsAsItShowsIt) {
    const QString source = homeFile(QStringLiteral("x.bb"));
    writeAll(source, "Print 1\n ;!error Bad: very\n");
    const QString banner = QStringLiteral("output:BlitzCC V1.99 (stand-in)\noutput:(C)opyright nobody: a stand-in for Korvo's tests\n"
                                          "output:Compiling \"%1\"\noutput:Parsing...\n").arg(source);
    EXPECT_EQ(dump({"--build", "check", source, "--compiler", "Blitz", installation.path()}),
              banner + "output:Compile Error In Line: 2, Column: 2 -->  Bad: very\nselection:2:1-2:2\n"
                       "prompt:Blitz Compiling Error|Bad: very\\r\\n\\r\\nFile: " + source
                  + "\\r\\n\\r\\nLine: 2, Column: 2 \ncaret:2:2\ncomplete:255\n");

    writeAll(source, "Print 1\n");
    const QString exe = homeFile(QStringLiteral("made.exe"));
    EXPECT_EQ(dump({"--build", "exe", source, "--compiler", "Blitz", installation.path(), "--exe", exe}),
              "save:" + homeFile(QStringLiteral("x.exe")) + "\n" + banner
                  + "output:Generating...\noutput:Translating...\noutput:Assembling...\n"
                    "output:Creating executable \"" + exe + "\"...\ncaret:1:1\ncomplete:0\n");
}
