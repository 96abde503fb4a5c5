#include "build/ExternalTools.h"
#include "build/ExternalToolsFile.h"
#include "foundation/errors/ErrorLogFile.h"
#include "support/FakeHost.h"
#include "support/TestEnvironment.h"

#include <QDir>

namespace {

class ExternalToolsTest : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        QDir(home()).mkpath(QStringLiteral("conf"));
    }

    static ExToolPtr tool(const QString& caption, const QString& path, const QString& parameters, int ask) {
        return std::make_shared<clsExTool>(clsExTool{caption, path, parameters, ask});
    }
    void add(const ExToolPtr& t) { gExternalTools.Add(t, t->Caption); }
    QString file() const { return homeFile(QStringLiteral("conf/ExTools.dat")); }
    QStringList captions() const {
        QStringList all;
        for (const ExToolPtr& t : gExternalTools.NewEnum())
            all.append(t->Caption);
        return all;
    }
};

}

TEST_F(ExternalToolsTest, SavesFourCrLfLinesATool) {
    SaveExternalTools();
    EXPECT_EQ(readAll(file()), QByteArray("1\r\n0\r\n"));

    add(tool("Edit", "/usr/bin", "gedit %Activefile%", 1));
    SaveExternalTools();
    EXPECT_EQ(readAll(file()), QByteArray("1\r\n1\r\nEdit\r\n/usr/bin\r\ngedit %Activefile%\r\n 1 \r\n"));
}

TEST_F(ExternalToolsTest, ALineBreakInAValueIsWrittenAsABlank) {
    add(tool("Two\r\nlines", "/a\nb", "x\ry", -2));
    add(tool("Next", "", "", 0));
    SaveExternalTools();
    EXPECT_EQ(readAll(file()), QByteArray("1\r\n2\r\nTwo lines\r\n/a b\r\nx y\r\n-2 \r\nNext\r\n\r\n\r\n 0 \r\n"));
    gExternalTools.RemoveAll();
    LoadExternalTools();
    EXPECT_EQ(captions(), QStringList({"Two lines", "Next"}));
    EXPECT_EQ(gExternalTools.Item(1)->AskForConfirmation, -2);
}

TEST_F(ExternalToolsTest, WindowsTextUnlessAValueDoesNotFitThenUtf8) {
    add(tool("Caf\u00e9", "", "", 0));
    SaveExternalTools();
    EXPECT_TRUE(readAll(file()).contains("Caf\xe9\r\n"));
    gExternalTools.RemoveAll();
    LoadExternalTools();
    EXPECT_EQ(captions(), QStringList({"Caf\u00e9"}));

    add(tool("\u041f\u0440\u0430\u0432\u043a\u0430", "", "", 0));
    SaveExternalTools();
    EXPECT_TRUE(readAll(file()).contains("Caf\xc3\xa9\r\n"));
    gExternalTools.RemoveAll();
    LoadExternalTools();
    EXPECT_EQ(captions(), QStringList({"Caf\u00e9", "\u041f\u0440\u0430\u0432\u043a\u0430"}));
}

TEST_F(ExternalToolsTest, LoadingKeepsTheFirstOfTwoCaptionsAndWhatCameBeforeDamage) {
    writeAll(file(), "1\r\n2\r\nEdit\r\n/usr/bin\r\ngedit\r\n 1 \r\nEDIT\r\n/bin\r\nvi\r\n 0 \r\nignored\r\n");
    add(tool("Kept", "", "", 0));
    LoadExternalTools();
    EXPECT_EQ(captions(), QStringList({"Kept", "Edit"}));
    EXPECT_EQ(gExternalTools.Item(QStringLiteral("edit"))->Path, "/usr/bin");
    // The second caption cannot be held: the file did not load whole.
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_TRUE(prompts[0].text.contains(file() + " did not load whole.\r\nLine 7: "));

    gExternalTools.RemoveAll();
    writeAll(file(), "1\n3\nOne\n\none\n1\nTwo\n\ntwo\n0\n");
    LoadExternalTools();
    EXPECT_EQ(captions(), QStringList({"One", "Two"}));
    ASSERT_EQ(prompts.size(), 2);
    EXPECT_TRUE(prompts[1].text.contains("Line 11: Input past end of file"));
    EXPECT_EQ(readAll(errorLogPath()).count("LoadExternalTools"), 2);

    gExternalTools.RemoveAll();
    writeAll(file(), "1\r\n1\r\nBad\r\n\r\nx\r\nyes\r\n");
    LoadExternalTools();
    EXPECT_TRUE(captions().isEmpty());
    ASSERT_EQ(prompts.size(), 3);
    EXPECT_TRUE(prompts[2].text.contains("Line 6: Type mismatch"));
    SaveExternalTools();
    EXPECT_EQ(readAll(file()), "1\r\n1\r\nBad\r\n\r\nx\r\nyes\r\n");
    // More tools than the count says: the rest is not dropped by the next save.
    gExternalTools.RemoveAll();
    const QByteArray longer = "1\r\n1\r\nOne\r\n\r\none\r\n 0 \r\nTwo\r\n\r\ntwo\r\n 0 \r\n";
    writeAll(file(), longer);
    LoadExternalTools();
    EXPECT_EQ(captions(), QStringList({"One"}));
    ASSERT_GE(prompts.size(), 5);
    EXPECT_TRUE(prompts[4].text.contains("Line 7: More tools than the count of 1")) << prompts[4].text.toStdString();
    SaveExternalTools();
    EXPECT_EQ(readAll(file()), longer);
}

TEST_F(ExternalToolsTest, AMissingFileLoadsNothingAndSaysNothing) {
    LoadExternalTools();
    EXPECT_EQ(gExternalTools.Count(), 0);
    EXPECT_TRUE(prompts.isEmpty());
}

TEST_F(ExternalToolsTest, TheMenuListsTheCaptionsInListOrder) {
    FakeHost host;
    HostList menu(host, "MRUExternalTools");
    menu.AddItem("stale", "stale");
    AddExternalToolsToMenu();
    EXPECT_TRUE(menu.captions().isEmpty());
    add(tool("B", "", "", 0));
    add(tool("A", "", "", 0));
    AddExternalToolsToMenu();
    EXPECT_EQ(menu.captions(), QStringList({"B", "A"}));
}
