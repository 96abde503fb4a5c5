#include "support/KorvoDump.h"
#include "support/TestEnvironment.h"

#include <QDir>

using DialogDumpTest = KorvoTest;

TEST_F(DialogDumpTest, TheDriverActsAsTheUserAndPrintsPromptsAndControls) {
    const DumpRun keys = korvoDump({"--dialog", "editor-options", "key:Ctrl+Shift+Tab", "txtHscrollvalue=120", "close"});
    EXPECT_EQ(keys.exitCode, 0) << keys.err.toStdString();
    EXPECT_TRUE(keys.out.startsWith(QStringLiteral("closed\nSSTab1=4\n")));
    EXPECT_TRUE(keys.out.contains(QStringLiteral("\ntxtHscrollvalue=120\n")));
    EXPECT_TRUE(keys.out.contains(QStringLiteral("\nchkVisualFlagAtBegin=0 disabled\n")));

    QDir(home()).mkpath(QStringLiteral("conf"));
    writeAll(homeFile(QStringLiteral("conf/compilers.dat")), "1\r\n1\r\n\"Blitz\"\r\n\"/b\"\r\n\"/b/help\"\r\n#FALSE#\r\n");
    const DumpRun prompts = korvoDump({"--dialog", "preferences", "answer:blitz", "cmdAdd", "chkWordWrap=1"});
    EXPECT_EQ(prompts.exitCode, 1);
    EXPECT_TRUE(prompts.out.startsWith(QStringLiteral("prompt:New compiler|Enter name for the new compiler:\n"
                                                      "prompt:Invalid name|A Compiler with this name already exists\n"
                                                      "SSTab1=0\nlvCompilers=Blitz\n")));
    EXPECT_TRUE(prompts.err.contains(QStringLiteral("chkWordWrap=1")));
}
