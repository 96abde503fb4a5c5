#include "platform/SettingsStore.h"
#include "settings/DarkStyle.h"
#include "support/KorvoDump.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

using StyleDumpTest = KorvoTest;

QString buildStyle(const char* name) {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Styles/") + QLatin1String(name) + QStringLiteral(".style");
}

}

TEST_F(StyleDumpTest, PrintsAStyleFileAndWritesItsTextBackByteForByte) {
    writeAll(homeFile("Dark.style"), DarkStyleBytes() + QByteArray(20, 'q'));
    const DumpRun dump = korvoDump({"--style", homeFile("Dark.style")});
    ASSERT_EQ(dump.exitCode, 0) << dump.err.toStdString();
    const QStringList lines = dump.out.split('\n');
    ASSERT_EQ(lines.size(), 2 + 41 + 1);
    EXPECT_EQ(lines[0], "version 1");
    EXPECT_EQ(lines[1], "description Dark");
    EXPECT_EQ(lines[2], "slot 0 00000000 00000000 00000000 10 0 0 0 Courier New");
    EXPECT_EQ(lines[4], "slot 2 00000002 00000200 00020000 10 -1 0 0");

    writeAll(homeFile("dark.txt"), dump.out.toUtf8());
    EXPECT_EQ(korvoDump({"--write-style", homeFile("dark.txt"), homeFile("Again.style")}).exitCode, 0);
    EXPECT_EQ(readAll(homeFile("Again.style")), DarkStyleBytes());

    writeAll(homeFile("Cut.style"), DarkStyleBytes().left(500));
    const DumpRun cut = korvoDump({"--style", homeFile("Cut.style")});
    EXPECT_EQ(cut.exitCode, 1);
    EXPECT_EQ(cut.out, "");
    EXPECT_TRUE(cut.err.contains("ends inside its tables")) << cut.err.toStdString();
}

TEST_F(StyleDumpTest, AFreshBuildShipsTheDefaultStyleAndAMissingCurrentStyleFallsBackToIt) {
    ASSERT_TRUE(QFile::exists(buildStyle("Default")));
    QDir(home()).mkpath(QStringLiteral("Styles"));
    ASSERT_TRUE(QFile::copy(buildStyle("Default"), homeFile("Styles/Default.style")));
    platform::SaveSetting(QStringLiteral("OptionsEdit"), QStringLiteral("SciStyleName"), QStringLiteral("Gone"));
    const DumpRun load = korvoDump({"--load-style", "Gone"});
    EXPECT_EQ(load.exitCode, 0);
    EXPECT_TRUE(load.err.contains("Specified Style Not Found:\r\n" + homeFile("Styles/Gone.style") + "\r\nPress Ok to load the Default Style..."))
        << load.err.toStdString();
    EXPECT_TRUE(load.out.startsWith("result:Default\nSciStyleName:Default\nversion 1\ndescription Korvo's light style")) << load.out.toStdString();
}

TEST_F(StyleDumpTest, AppliesAStyleToAFreshView) {
    writeAll(homeFile("Dark.style"), DarkStyleBytes());
    const DumpRun apply = korvoDump({"--apply-style", homeFile("Dark.style")});
    ASSERT_EQ(apply.exitCode, 0) << apply.err.toStdString();
    const QStringList lines = apply.out.split('\n');
    ASSERT_EQ(lines.size(), 41 + 2 + 1);
    EXPECT_TRUE(lines[2].startsWith("style 2 000002 00001D 10 1 0 0 ")) << lines[2].toStdString();
    EXPECT_TRUE(lines[32].startsWith("style 32 000015 00001D 10 0 0 0 ")) << lines[32].toStdString();
    EXPECT_TRUE(lines[33].startsWith("style 33 000021 002100 10 0 0 0 ")) << lines[33].toStdString();
    EXPECT_EQ(lines[41], "caret 00001A");
    EXPECT_EQ(lines[42], "caretline 000019");
}
