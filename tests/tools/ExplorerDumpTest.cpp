#include "support/KorvoDump.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>

namespace {

class ExplorerDumpTest : public KorvoTest {
protected:
    // The output without the date column, which is the moment the test wrote the files.
    static QString withoutDates(const QStringList& args) {
        QStringList lines = korvoDump(args).out.split(QLatin1Char('\n'));
        for (QString& line : lines)
            line = line.section(QLatin1Char('\t'), 0, 1);
        return lines.join(QLatin1Char('\n'));
    }
};

}

TEST_F(ExplorerDumpTest, ListsThroughTheFilterAndSortsByEachClick) {
    writeAll(homeFile("a.txt"), "123456789");
    writeAll(homeFile("b.RTF"), "1234567890");
    writeAll(homeFile("c.doc"), "");
    writeAll(homeFile("d.bb"), "");
    EXPECT_EQ(withoutDates({"--explorer", home(), "--filter", "3"}), "a.txt\t9\nb.RTF\t10\nc.doc\t0\nsort Name ascending\n");
    EXPECT_EQ(withoutDates({"--explorer", home(), "--filter", "3", "--click", "Size"}),
              "b.RTF\t10\na.txt\t9\nc.doc\t0\nsort Size descending\n");
    EXPECT_EQ(withoutDates({"--explorer", home(), "--filter", "3", "--click", "size", "--click", "2"}),
              "c.doc\t0\na.txt\t9\nb.RTF\t10\nsort Size ascending\n");
    EXPECT_EQ(korvoDump({"--explorer", home(), "--click", "Colour"}).exitCode, 2);
}

TEST_F(ExplorerDumpTest, PrintsTheCodeExplorersListsOfAProjectAndItsReview) {
    QDir(home()).mkpath(QStringLiteral("conf"));
    QFile::copy(QStringLiteral(KORVO_SOURCE_DIR "/data/conf/compilers.dat"), homeFile(QStringLiteral("conf/compilers.dat")));
    QDir(home()).mkpath(QStringLiteral("game/src"));
    writeAll(homeFile("game/src/main.bb"), "Include \"..\\common\\gfx.bb\"\r\nGlobal a, b\r\nb = 1\r\nFunction f(x)\r\nEnd Function\r\n");
    writeAll(homeFile("game/game.kpf"),
             "[Korvo Project file]\r\n<Settings>\r\n Version=\"1\"\r\n Expanded=\"True\"\r\n Icon=\"\"\r\n MainFile=\"main.bb\"\r\n"
             " Compiler=\"Blitz\"\r\n CommandLine=\"\"\r\n</Settings>\r\n<Folders>\r\n</Folders>\r\n<Files>\r\n"
             " AbsPath=\"\\src\\main.bb\" PrjFolder=\"\" Line=\"0\" Column=\"0\" Tip=\"0\" Visible=\"False\"\r\n</Files>\r\n");
    const DumpRun run = korvoDump({"--explorer", homeFile("game/game.kpf"), "--review"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "[Functions]\n*Main Program*\t\t-1\nf%\tmain.bb\t3\n  x%\n[Globals]\na%\tmain.bb\t1\nb%\tmain.bb\t1\n"
                       "[Types]\n[Arrays]\n[Constants]\n[Labels]\n[Includes]\n..\\common\\gfx.bb\tmain.bb\t0\n"
                       "a\tGlobal\tmain.bb\t39 28\nf\tFunction\tmain.bb\t61 48\nx\tLocal\tmain.bb\t61 48\n");
    EXPECT_EQ(korvoDump({"--explorer", homeFile("game/game.kpf"), "--bogus"}).exitCode, 2);
}
