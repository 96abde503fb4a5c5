#include "support/KorvoDump.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>

namespace {

using ProjectDumpTest = KorvoTest;

const QByteArray kGame = "[Korvo Project file]\r\n<Settings>\r\n Version=\"1\"\r\n Expanded=\"True\"\r\n Icon=\"\"\r\n"
                         " MainFile=\"main.bb\"\r\n Compiler=\"Blitz\"\r\n CommandLine=\"-f \"\"a b\"\"\"\r\n</Settings>\r\n"
                         "<Folders>\r\n AbsPath=\"\\src\" Expanded=\"False\"\r\n</Folders>\r\n<Files>\r\n"
                         " AbsPath=\"\\SRC\\Util.bb\" PrjFolder=\"\\src\" Line=\"0\" Column=\"0\" Tip=\"0\" Visible=\"False\"\r\n"
                         " AbsPath=\"\\main.bb\" PrjFolder=\"\" Line=\"0\" Column=\"0\" Tip=\"0\" Visible=\"False\"\r\n"
                         "</Files>\r\n";

}

TEST_F(ProjectDumpTest, PrintsAProjectAsLoadingReadsItAndSavesItBack) {
    QDir().mkpath(homeFile("game/src"));
    writeAll(homeFile("game/main.bb"), "");
    writeAll(homeFile("game/src/util.bb"), "");
    writeAll(homeFile("game/game.kpf"), kGame);
    const DumpRun run = korvoDump({"--project", homeFile("game/game.kpf"), "--save", homeFile("out.kpf")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "name\tgame\npath\t" + homeFile("game/") +
                           "\nexpanded\tTrue\nicon\t\nmainfile\tmain.bb\ncompiler\tBlitz\ncommandline\t-f \"a b\"\n"
                           "folder\t\\src\tFalse\nfile\t\\main.bb\t\t" + homeFile("game/main.bb") +
                           "\nfile\t\\SRC\\Util.bb\t\\src\t" + homeFile("game/src/util.bb") + "\n");
    QByteArray sorted = kGame;
    const QByteArray util = " AbsPath=\"\\SRC\\Util.bb\" PrjFolder=\"\\src\" Line=\"0\" Column=\"0\" Tip=\"0\" Visible=\"False\"\r\n";
    sorted.replace(util, "");
    sorted.replace("</Files>", util + "</Files>");
    EXPECT_EQ(readAll(homeFile("out.kpf")), sorted);

    writeAll(homeFile("bad.kpf"), "[Korvo Project file]\r\n<Files>\r\n");
    const DumpRun bad = korvoDump({"--project", homeFile("bad.kpf")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_TRUE(bad.err.contains("Not a valid project file !"));

    // A link to a device is refused before anything is read from it.
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), homeFile("zero.kpf")));
    const DumpRun device = korvoDump({"--project", homeFile("zero.kpf")});
    EXPECT_EQ(device.exitCode, 1);
    EXPECT_TRUE(device.err.contains(QStringLiteral("Not a regular file: ") + homeFile("zero.kpf"))) << device.err.toStdString();
}

TEST_F(ProjectDumpTest, PrintsAWorkspaceOrWhyItIsNone) {
    writeAll(homeFile("w.kws"), "[Korvo WorkSpace File]\r\n<Settings>\r\n CPOS=\"12\"\r\n</Settings>\r\n<Projects>\r\n"
                                " Path=\"/p/game.kpf\" Single=\"False\"\r\n Path=\"/p/x.bb\" Single=\"True\"\r\n</Projects>\r\n");
    const DumpRun run = korvoDump({"--workspace", homeFile("w.kws")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "cpos\t12\nproject\t/p/game.kpf\tFalse\nproject\t/p/x.bb\tTrue\n");

    writeAll(homeFile("bad.kws"), "[Korvo WorkSpace File]\r\n<Projects>\r\n");
    const DumpRun bad = korvoDump({"--workspace", homeFile("bad.kws")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains("Invalid workspace file !"));
    const DumpRun missing = korvoDump({"--workspace", homeFile("none.kws")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("No valid workspace file found !"));
}
