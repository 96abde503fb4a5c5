#include "support/KorvoDump.h"
#include "support/TestEnvironment.h"

#include <QDir>

using TreeDumpTest = KorvoTest;

TEST_F(TreeDumpTest, PrintsTheProjectTreeOfProjectFiles) {
    QDir().mkpath(homeFile("game/src"));
    for (const char* name : {"game/A.bb", "game/b.bb", "game/src/MAIN.bb"})
        writeAll(homeFile(name), "");
    const QByteArray game = "[Korvo Project file]\r\n<Settings>\r\n Version=\"1\"\r\n Expanded=\"True\"\r\n Icon=\"\"\r\n"
                            " MainFile=\"main.bb\"\r\n Compiler=\"Blitz\"\r\n CommandLine=\"\"\r\n</Settings>\r\n<Folders>\r\n"
                            " AbsPath=\"\\src\" Expanded=\"True\"\r\n AbsPath=\"\\src\\gfx\" Expanded=\"False\"\r\n"
                            " AbsPath=\"\\docs\" Expanded=\"False\"\r\n</Folders>\r\n<Files>\r\n"
                            " AbsPath=\"\\b.bb\" PrjFolder=\"\" Line=\"0\" Column=\"0\" Tip=\"0\" Visible=\"False\"\r\n"
                            " AbsPath=\"\\A.bb\" PrjFolder=\"\" Line=\"0\" Column=\"0\" Tip=\"0\" Visible=\"False\"\r\n"
                            " AbsPath=\"\\src\\MAIN.bb\" PrjFolder=\"\\src\" Line=\"0\" Column=\"0\" Tip=\"0\" Visible=\"False\"\r\n"
                            "</Files>\r\n";
    writeAll(homeFile("game/game.kpf"), game);

    const DumpRun run = korvoDump({"--tree", homeFile("game/game.kpf")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString root = homeFile("game/game.kpf");
    EXPECT_EQ(run.out, "game\tProject\t-\t" + root + "\n"
                       "  docs\tClosedFolder\t-\t" + root + "\\docs\n"
                       "  src\tOpenFolder\t-\t" + root + "\\src\n"
                       "    gfx\tClosedFolder\t-\t" + root + "\\src\\gfx\n"
                       "    MAIN.bb\t.BB\t-\t" + root + "\\src\\MAIN.bb\n"
                       "  A.bb\t.BB\t-\t" + root + "\\A.bb\n"
                       "  b.bb\t.BB\t-\t" + root + "\\b.bb\n");
    EXPECT_EQ(readAll(homeFile("game/game.kpf")), game) << "a dump writes nothing";

    writeAll(homeFile("bad.kpf"), "[Korvo Project file]\r\n<Files>\r\n");
    EXPECT_EQ(korvoDump({"--tree", homeFile("bad.kpf")}).exitCode, 1);
}
