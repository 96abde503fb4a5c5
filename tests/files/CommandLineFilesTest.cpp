#include "files/CommandLineFiles.h"
#include "files/DocumentFilesFixture.h"

#include "editor/ActiveDocument.h"
#include "editor/SciWrappers.h"
#include "files/OpenDocuments.h"

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
    QDir::setCurrent(home());
    EXPECT_EQ(JoinCommandLine({"My", "Work/a.bb", "/l:2", "b.bb"}),
              "\"" + homeFile("My Work/a.bb") + "\" /l:2 " + homeFile("b.bb"));
}
