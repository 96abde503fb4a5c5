#include "build/ToolCommand.h"

#include <gtest/gtest.h>

namespace {

platform::ChildProcess commandOf(const QString& path, const QString& parameters, const ToolMacroValues& values = {}) {
    return ToolCommand(clsExTool{QStringLiteral("T"), path, parameters, 0}, values);
}

ToolMacroValues activeDocument(const QString& file) {
    ToolMacroValues values;
    values.documentActive = true;
    values.activeFile = file;
    values.activeFileDir = QStringLiteral("/home/u/my game/");
    values.projectDir = QStringLiteral("/home/u/project/");
    values.lastExe = QStringLiteral("/home/u/out/game");
    values.korvoDir = QStringLiteral("/opt/korvo/");
    return values;
}

}

TEST(ToolCommand, OnlyTheJointOfDirectoryAndCommandGetsOneSlash) {
    EXPECT_EQ(commandOf("/opt/t", "run").program, "/opt/t/run");
    EXPECT_EQ(commandOf("/opt/t/", "run").program, "/opt/t/run");
    EXPECT_EQ(commandOf("C:\\tools\\", "\\run").program, "C:\\tools/run");
    EXPECT_EQ(commandOf("/", "run").program, "/run");
    EXPECT_EQ(commandOf("", "gedit").program, "gedit");
    EXPECT_EQ(commandOf("/opt/my tools", "run").program, "/opt/my tools/run");
    const platform::ChildProcess command = commandOf("/opt//t", "run //server/share http://x.org/a//b");
    EXPECT_EQ(command.program, "/opt//t/run");
    EXPECT_EQ(command.arguments, QStringList({"//server/share", "http://x.org/a//b"}));
}

TEST(ToolCommand, MacrosExpandInsideTheirWordInAnyCase) {
    const ToolMacroValues values = activeDocument(QStringLiteral("/home/u/my game/x.bb"));
    const platform::ChildProcess command
        = commandOf("%KORVODIR%bin", "run %ACTIVEFILE% %activefiledir%x %ProjectDir% %LastExe% %KorvoDir% \"two words\"", values);
    EXPECT_EQ(command.program, "/opt/korvo/bin/run");
    EXPECT_EQ(command.arguments, QStringList({"/home/u/my game/x.bb", "/home/u/my game/x", "/home/u/project/",
                                              "/home/u/out/game", "/opt/korvo/", "two words"}));
    EXPECT_EQ(ToolCommandText(command),
              "/opt/korvo/bin/run \"/home/u/my game/x.bb\" \"/home/u/my game/x\" /home/u/project/ /home/u/out/game "
              "/opt/korvo/ \"two words\"");
}

TEST(ToolCommand, AValueNeverLeavesItsWord) {
    const platform::ChildProcess command
        = commandOf("", "sh -c %Activefile%", activeDocument(QStringLiteral("/tmp/a;$(touch p) `x` \"q\".bb")));
    EXPECT_EQ(command.program, "sh");
    EXPECT_EQ(command.arguments, QStringList({"-c", "/tmp/a;$(touch p) `x` \"q\".bb"}));
}

TEST(ToolCommand, WithoutADocumentItsMacrosStayAndEmptyWordsGo) {
    ToolMacroValues values;
    values.korvoDir = QStringLiteral("/opt/korvo/");
    const platform::ChildProcess command = commandOf("/opt/t", "run %Activefile% %ActivefileDir% %ProjectDir% %LastExe% %KorvoDir%", values);
    EXPECT_EQ(command.arguments, QStringList({"%Activefile%", "%ActivefileDir%", "%ProjectDir%", "/opt/korvo/"}));
    EXPECT_EQ(commandOf("/opt/t", "%LastExe% run").program, "/opt/t/run");
    EXPECT_EQ(commandOf("/opt/t", "").program, "/opt/t/");
}

TEST(ToolCommand, AValueIsNeverExpandedAgain) {
    ToolMacroValues values = activeDocument(QStringLiteral("/home/u/%LastExe%%KorvoDir%%ProjectDir%.bb"));
    values.projectDir = QStringLiteral("/p/%Activefile%/");
    const platform::ChildProcess command = commandOf("", "tool %Activefile% %ProjectDir% %%LastExe%%", values);
    EXPECT_EQ(command.arguments, QStringList({"/home/u/%LastExe%%KorvoDir%%ProjectDir%.bb", "/p/%Activefile%/",
                                              "%/home/u/out/game%"}));
}
