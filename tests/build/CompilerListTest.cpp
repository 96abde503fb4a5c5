#include "build/ActiveCompiler.h"
#include "build/CommandCombos.h"
#include "build/CompilerList.h"
#include "language/keywords/ActiveKeywords.h"
#include "language/keywords/KeywordFiles.h"
#include "platform/KorvoError.h"
#include "platform/SettingsStore.h"
#include "support/FakeHost.h"

#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>

namespace {

CompilerPtr makeCompiler(const QString& name, const QString& path, const QString& help, bool realConsole) {
    auto compiler = std::make_shared<ClsCompiler>();
    compiler->Name = name;
    compiler->Path = path;
    compiler->HelpPath = help;
    compiler->RealConsole = realConsole;
    return compiler;
}

class CompilerListTest : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        QDir(home()).mkpath(QStringLiteral("conf"));
    }

    void writeList(const QByteArray& text) { writeAll(CompilerListPath(), text); }
    QString errorLog() const { return QString::fromLatin1(readAll(homeFile(QStringLiteral("error.log")))); }
};


}

TEST_F(CompilerListTest, OneCompilerIsSixLinesAndReadsBackTheSame) {
    CompilerList list;
    list.Add(makeCompiler("Blitz", "/opt/blitz", "", true), "Blitz");
    EXPECT_EQ(FormatCompilerList(list), QByteArray("1\r\n1\r\n\"Blitz\"\r\n\"/opt/blitz\"\r\n\"\"\r\n#TRUE#\r\n"));

    SaveCompilerList(list);
    ASSERT_TRUE(LoadCompilers());
    ASSERT_EQ(gCompilers.Count(), 1);
    const CompilerPtr read = gCompilers.Item(1);
    EXPECT_EQ(read->Name, "Blitz");
    EXPECT_EQ(read->Path, "/opt/blitz");
    EXPECT_EQ(read->HelpPath, "");
    EXPECT_TRUE(read->RealConsole);
    EXPECT_FALSE(read->KeywordsLoaded);
    EXPECT_EQ(DefaultCompiler, "Blitz");
}

TEST_F(CompilerListTest, QuotesInValuesComeBackAsWritten) {
    CompilerList list;
    list.Add(makeCompiler("Say \"hi\"", "C:\\Program Files\\\"Blitz\", old", "\"", false), "Say \"hi\"");
    list.Add(makeCompiler("Second", "/b", "/b/help", false), "Second");
    SaveCompilerList(list);
    EXPECT_TRUE(readAll(CompilerListPath()).contains("\"Say \"\"hi\"\"\""));
    ASSERT_TRUE(LoadCompilers());
    ASSERT_EQ(gCompilers.Count(), 2);
    EXPECT_EQ(gCompilers.Item(1)->Name, "Say \"hi\"");
    EXPECT_EQ(gCompilers.Item(1)->Path, "C:\\Program Files\\\"Blitz\", old");
    EXPECT_EQ(gCompilers.Item(1)->HelpPath, "\"");
    EXPECT_EQ(gCompilers.Item(2)->HelpPath, "/b/help");
}

TEST_F(CompilerListTest, ANameWithAPathSeparatorIsRefused) {
    CompilerList list;
    list.Add(makeCompiler("Blitz", "/a", "", false), "Blitz");
    list.Add(makeCompiler("../evil", "/b", "", false), "../evil");
    writeList("old");
    EXPECT_THROW(SaveCompilerList(list), KorvoError);
    EXPECT_EQ(readAll(CompilerListPath()), QByteArray("old"));

    writeList("1\r\n3\r\n\"Blitz\"\r\n\"/a\"\r\n\"\"\r\n#FALSE#\r\n\"..\\evil\"\r\n\"/b\"\r\n\"\"\r\n#FALSE#\r\n"
              "\"Plus\"\r\n\"/c\"\r\n\"\"\r\n#FALSE#\r\n");
    ASSERT_TRUE(LoadCompilers());
    ASSERT_EQ(gCompilers.Count(), 2);
    EXPECT_EQ(gCompilers.Item(2)->Name, "Plus");
    EXPECT_TRUE(errorLog().contains("LoadCompilers"));
}

TEST_F(CompilerListTest, AReadErrorKeepsTheCompilersReadSoFar) {
    writeList("1\r\n3\r\n\"Blitz\"\r\n\"/a\"\r\n\"/a/help\"\r\n#FALSE#\r\n\"Plus\"\r\n\"/c\"\r\n");
    ASSERT_TRUE(LoadCompilers());
    ASSERT_EQ(gCompilers.Count(), 1);
    EXPECT_EQ(gCompilers.Item(1)->HelpPath, "/a/help");
    EXPECT_TRUE(errorLog().contains("LoadCompilers"));
    EXPECT_EQ(DefaultCompiler, "Blitz");
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_TRUE(prompts[0].text.contains(CompilerListPath() + " did not load whole.\r\nLine 9: Input past end of file"));
    // The damaged file is kept until the user agrees to replace it.
    const QByteArray damaged = readAll(CompilerListPath());
    SaveCompilerList(gCompilers);
    EXPECT_EQ(readAll(CompilerListPath()), damaged);
    EXPECT_EQ(prompts.size(), 2);

    gCompilers.RemoveAll();
    writeList("1\r\n1\r\n\"Blitz\"\r\n\"/a\"\r\n\"\"\r\nmaybe\r\n");
    ASSERT_TRUE(LoadCompilers());
    EXPECT_EQ(gCompilers.Count(), 0);
}

TEST_F(CompilerListTest, AMissingFileStopsTheStart) {
    EXPECT_FALSE(LoadCompilers());
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].text, "File 'Compilers.dat' is missing or invalid !");
    EXPECT_EQ(prompts[0].icon, platform::vbCritical);
}

TEST_F(CompilerListTest, TheDefaultCompilerIsTheStoredOneWhenListed) {
    const QByteArray two = "1\r\n2\r\n\"A\"\r\n\"/a\"\r\n\"\"\r\n#FALSE#\r\n\"B\"\r\n\"/b\"\r\n\"\"\r\n#FALSE#\r\n";
    writeList(two);
    platform::SaveSetting("Options", "DefaultCompiler", "b");
    ASSERT_TRUE(LoadCompilers());
    EXPECT_EQ(DefaultCompiler, "B");

    gCompilers.RemoveAll();
    platform::SaveSetting("Options", "DefaultCompiler", "Gone");
    ASSERT_TRUE(LoadCompilers());
    EXPECT_EQ(DefaultCompiler, "A");
}

TEST_F(CompilerListTest, ActivationFallsBackToTheDefaultCompiler) {
    writeList("1\r\n2\r\n\"Blitz\"\r\n\"/a\"\r\n\"\"\r\n#FALSE#\r\n\"NoFile\"\r\n\"/b\"\r\n\"\"\r\n#FALSE#\r\n");
    writeAll(KeywordFilePath("Blitz"), keywordFileText({"Print [string$]"}));
    ASSERT_TRUE(LoadCompilers());
    const CompilerPtr blitz = gCompilers.Item(QStringLiteral("Blitz"));

    SetActiveCompiler(QStringLiteral("Unknown"));
    EXPECT_EQ(gActiveCompiler, blitz);
    EXPECT_TRUE(blitz->KeywordsLoaded);
    EXPECT_TRUE(gKeywords.Find(QStringLiteral("print")));

    // Activating the active compiler again reads nothing.
    QFile::remove(KeywordFilePath("Blitz"));
    blitz->KeywordsLoaded = false;
    SetActiveCompiler(QStringLiteral("Blitz"));
    EXPECT_TRUE(prompts.isEmpty());

    SetActiveCompiler(QStringLiteral("NoFile"));
    EXPECT_EQ(gActiveCompiler, blitz);
    EXPECT_EQ(prompts.size(), 2);  // the missing file of each

    // Without any compiler to fall back on the active one stays.
    gCompilers.RemoveAll();
    SetActiveCompiler(QStringLiteral("Other"));
    EXPECT_EQ(gActiveCompiler, blitz);
}

TEST_F(CompilerListTest, TheCombosListCompilersAndCommandLines) {
    FakeHost host;
    HostList compilers(host, "cboCompilers"), commandLines(host, "cboCommandLine");
    gCompilers.Add(makeCompiler("Zed", "", "", false), "Zed");
    gCompilers.Add(makeCompiler("Alpha", "", "", false), "Alpha");
    compilers.AddItem("stale", "stale");
    PopulateCboCompilers();
    EXPECT_EQ(compilers.items(), QStringList({"Zed|Zed", "Alpha|Alpha"}));

    PopulateCboCommandLine({"-newest", "-older"});
    EXPECT_EQ(commandLines.items(), QStringList({"-newest|-newest", "-older|-older"}));
}

TEST_F(CompilerListTest, AFreshProgramFolderListsOneCompiler) {
    // The build copies Korvo's data beside the executables.
    const QByteArray shipped = readAll(QCoreApplication::applicationDirPath() + QStringLiteral("/conf/compilers.dat"));
    ASSERT_FALSE(shipped.isEmpty());
    writeList(shipped);
    ASSERT_TRUE(LoadCompilers());
    ASSERT_EQ(gCompilers.Count(), 1);
    EXPECT_EQ(gCompilers.Item(1)->Name, "Blitz");
    EXPECT_FALSE(gCompilers.Item(1)->RealConsole);
    EXPECT_EQ(errorLog(), "");
}
