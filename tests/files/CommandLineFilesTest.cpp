#include "files/CommandLineFiles.h"
#include "files/DocumentFilesFixture.h"

#include "editor/ActiveDocument.h"
#include "editor/SciWrappers.h"
#include "files/OpenDocuments.h"
#include "foundation/NumberHelpers.h"

#include <QDir>

namespace {

class CommandLineFilesTest : public DocumentFilesTest {
protected:
    void SetUp() override {
        DocumentFilesTest::SetUp();
        QDir().mkpath(homeFile("My Work"));
        QByteArray lines;
        for (int i = 0; i < 40; ++i)
            lines += "; " + QByteArray::number(i) + "\r\n";
        writeAll(homeFile("My Work/a.bb"), lines);
        writeAll(homeFile("b.bb"), lines);
    }

    long caretLine(const QString& name) {
        frmDoc* doc = DocumentOfWindow(homeFile(name));
        if (!doc)
            return -1;
        ScopedCurrentView view(*doc);
        return long(SciLineFromPosition(SciGetCurrentPos()));
    }
};

}

TEST_F(CommandLineFilesTest, QuotedPathsSwitchesAndPathsWithBlanksUnquoted) {
    OpenFilesFromCommand("\"" + homeFile("My Work/a.bb") + "\" /L:25 " + homeFile("b.bb"));
    EXPECT_EQ(host.windows.size(), 2);
    EXPECT_EQ(caretLine("My Work/a.bb"), 0);
    EXPECT_EQ(caretLine("b.bb"), 24);
}

TEST_F(CommandLineFilesTest, AnUnquotedPathWithBlanksIsJoinedBack) {
    OpenFilesFromCommand(homeFile("My Work/a.bb"));
    ASSERT_EQ(host.windows.size(), 1);
    EXPECT_EQ(host.windows[0].key, homeFile("My Work/a.bb"));
    EXPECT_TRUE(prompts.isEmpty());
}

TEST_F(CommandLineFilesTest, ASwitchInLowerCaseHoldsForEveryFileAfterIt) {
    OpenFilesFromCommand("/l:7 \"" + homeFile("My Work/a.bb") + "\" " + homeFile("b.bb"));
    EXPECT_EQ(caretLine("My Work/a.bb"), 6);
    EXPECT_EQ(caretLine("b.bb"), 6);
}

TEST_F(CommandLineFilesTest, ArgumentsAreResolvedWhereTheyWereGiven) {
    const QDir base(home());
    EXPECT_EQ(ResolveCommandLine({"My", "Work/a.bb", "/L:3", "b.bb", "nothing"}, base),
              (QStringList{homeFile("My Work/a.bb"), "/L:3", homeFile("b.bb")}));
    const QString before = QDir::currentPath();
    QDir::setCurrent(home());
    EXPECT_EQ(JoinCommandLine({"My", "Work/a.bb", "/l:2", "b.bb"}),
              "\"" + homeFile("My Work/a.bb") + "\" /l:2 " + homeFile("b.bb"));
    QDir::setCurrent(before);
}

TEST_F(CommandLineFilesTest, TwoEditorsOnOneFileNeverOpenFromAnotherSpellingOfItsPath) {
    const QString before = QDir::currentPath();
    QDir().mkpath(homeFile("my dir/sub"));
    writeAll(homeFile("my dir/a b.bb"), "; a\r\n");
    ASSERT_TRUE(QFile::link(homeFile("b.bb"), homeFile("link.bb")));
    QDir::setCurrent(homeFile("my dir/sub"));

    OpenFilesFromCommand(homeFile("b.bb"));
    OpenFilesFromCommand("../../b.bb");
    OpenFilesFromCommand(homeFile("My Work/../b.bb"));
    OpenFilesFromCommand(homeFile("link.bb"));
    OpenFile("./../../b.bb");
    EXPECT_EQ(ResolveCommandLine({"../a", "b.bb"}, QDir(homeFile("my dir/sub"))),
              QStringList{homeFile("my dir/a b.bb")});
    OpenFilesFromCommand("\"../a b.bb\"");
    OpenFile("../a b.bb");
    QDir::setCurrent(before);

    ASSERT_EQ(host.windows.size(), 2);
    EXPECT_EQ(host.windows[0].key, homeFile("b.bb"));
    EXPECT_EQ(host.windows[1].key, homeFile("my dir/a b.bb"));
    for (const platform::CommandListItem& item : host.commandListItems(QStringLiteral("FileRecentFiles")))
        EXPECT_FALSE(item.key.contains(QStringLiteral("/."))) << item.key.toStdString();
}

TEST_F(CommandLineFilesTest, ALineBeyond32BitsIsNoLine) {
    OpenFilesFromCommand("/L:99999999999 " + homeFile("b.bb"));
    EXPECT_EQ(caretLine("b.bb"), 0);
    EXPECT_EQ(LeadingNumber(" 2147483646.4x"), 2147483646L);
    EXPECT_EQ(LeadingNumber("-2147483647"), 0);
    EXPECT_EQ(LeadingNumber("7.5"), 8);
}

TEST_F(CommandLineFilesTest, AHugeHandOffOfWordsNamingNothingResolvesToNothing) {
    QStringList pieces(200000, QStringLiteral("a"));
    pieces.append(homeFile("b.bb"));
    EXPECT_TRUE(ResolveCommandLine(pieces, QDir(home())).isEmpty());

    QStringList joined = QString(QStringLiteral("a ")).repeated(100000).split(QLatin1Char(' '));
    joined.prepend(QStringLiteral("/L:3"));
    joined.prepend(homeFile("b.bb"));
    EXPECT_EQ(ResolveCommandLine(joined, QDir(home())), (QStringList{homeFile("b.bb"), "/L:3"}));

    OpenFilesFromCommand(QStringLiteral("a ").repeated(500000) + homeFile("b.bb"));
    EXPECT_TRUE(host.windows.isEmpty());
}

// Qt holds paths as UTF-8, so a name of other bytes could never be opened:
// it is named by its bytes instead, and the readable arguments go on.
TEST(CommandLineArguments, ANameThatIsNoUtf8IsNamedByItsBytes) {
    QStringList unreadable;
    const QStringList readable = ReadableArguments({"/L:3", "\xC3\xA9t\xC3\xA9.bb", "\xFF\xFE.bb", "a\\b\x80 c.kpf"}, unreadable);
    EXPECT_EQ(readable, (QStringList{"/L:3", QStringLiteral("\u00E9t\u00E9.bb")}));
    EXPECT_EQ(unreadable, (QStringList{"\\xFF\\xFE.bb", "a\\x5Cb\\x80 c.kpf"}));
    EXPECT_TRUE(UnreadableNamesMessage(unreadable).endsWith("opened:\r\n\\xFF\\xFE.bb\r\na\\x5Cb\\x80 c.kpf"));
}

// What a name opens as is judged on the name given, not on its link's target.
TEST_F(CommandLineFilesTest, ALinkNamedForKorvoIsJudgedByItsOwnName) {
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), homeFile("x.kpf")));
    ASSERT_TRUE(QFile::link(homeFile("My Work"), homeFile("x.bb")));
    EXPECT_EQ(ResolveCommandLine({"x.kpf", "x.bb"}, QDir(home())), (QStringList{homeFile("x.kpf"), homeFile("x.bb")}));

    OpenFilesFromCommand(homeFile("x.kpf") + " " + homeFile("x.bb"));
    ASSERT_EQ(prompts.size(), 2);
    EXPECT_EQ(prompts[0].text, "Could not load file:\r\nNot a regular file: /dev/zero");
    EXPECT_EQ(prompts[1].text, "Could not load file:\r\nNot a regular file: " + homeFile("My Work"));
    EXPECT_TRUE(host.windows.isEmpty());
}
