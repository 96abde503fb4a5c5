#include "build/CompilerCommand.h"
#include "build/CompilerList.h"
#include "build/KeywordRefresh.h"
#include "build/ShellAndWait.h"
#include "editor/EditorFixture.h"
#include "language/editing/NotificationHandler.h"
#include "language/keywords/KeywordFiles.h"

#include "support/StandIn.h"
#include "support/Corpus.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>

namespace {

class KeywordRefreshTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        QDir(home()).mkpath(QStringLiteral("conf"));
        compiler = std::make_shared<ClsCompiler>();
        compiler->Name = QStringLiteral("Blitz");
        compiler->Path = installation.path();
        gCompilers.RemoveAll();
        gCompilers.Add(compiler, compiler->Name);
    }
    QString keywordFile() const { return homeFile(QStringLiteral("conf/Blitz.lng")); }
    QString reportFile() const { return keywordFile() + QStringLiteral(".err"); }
    QString log() const { return logDir.path() + QStringLiteral("/stand-in.log"); }
    QString listingOf(const QByteArray& bytes) {
        const QString path = logDir.path() + QStringLiteral("/listing.txt");
        writeAll(path, bytes);
        return path;
    }
    QString lastPromptText() const { return prompts.isEmpty() ? QString() : prompts.last().text; }

    StandInInstallation installation;
    QTemporaryDir logDir;
    CompilerPtr compiler;
};

const QString kSuccess = QStringLiteral("Keyword definitions for this compiler successfully created !");

}

TEST_F(KeywordRefreshTest, TheCompilersListingBecomesItsKeywordFile) {
    const QString corpus = QStringLiteral(KORVO_CORPUS_DIR "/keywords.txt");
    KORVO_NEED_CORPUS(QFileInfo::exists(corpus), "no corpus");
    const ScopedVariable listing("BLITZCC_KEYWORDS", corpus.toUtf8());
    const ScopedVariable logged("BLITZCC_LOG", log().toUtf8());
    const ScopedVariable own("BLITZPATH", "Korvo's own");
    auto doc = openDocument("Print Mid(\"abc\", 2)");
    doc->m_oSubclass->mOldStartLine = 7;

    RefreshDefinitions(QStringLiteral("Blitz"), installation.path());

    EXPECT_EQ(readAll(keywordFile()), readAll(corpus));
    EXPECT_EQ(QFileInfo(keywordFile()).size(), 15579);
    ASSERT_TRUE(compiler->KeywordsLoaded);
    EXPECT_EQ(compiler->bbFunkcija('M').Item(QStringLiteral("Mid"))->Tip, 3);
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].text, kSuccess);
    EXPECT_EQ(prompts[0].icon, platform::vbInformation);
    const QByteArray seen = readAll(log());
    EXPECT_TRUE(seen.contains("arg=+k\n"));
    EXPECT_TRUE(seen.contains("\nBLITZPATH=" + installation.path().toUtf8() + "\n"));
    EXPECT_TRUE(seen.contains("\nblitzpath=" + installation.path().toUtf8() + "\n"));
    EXPECT_EQ(qgetenv("BLITZPATH"), QByteArray("Korvo's own"));
    EXPECT_FALSE(qEnvironmentVariableIsSet("blitzpath"));
    EXPECT_EQ(doc->m_oSubclass->mOldStartLine, -100);
}

TEST_F(KeywordRefreshTest, AListingOfAValidKeywordFilesSizeReplacesTheFileAndNoLess) {
    writeAll(keywordFile(), "the old definitions");
    {
        const ScopedVariable listing("BLITZCC_KEYWORDS", listingOf(keywordFileText({}, 2999)).toUtf8());
        RefreshDefinitions(QStringLiteral("Blitz"), installation.path());
    }
    EXPECT_EQ(readAll(keywordFile()), QByteArray("the old definitions"));
    EXPECT_EQ(readAll(reportFile()), keywordFileText({}, 2999));
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].icon, platform::vbCritical);
    EXPECT_EQ(prompts[0].text, QStringLiteral(" Error while creating keyword definitions file !\r\n\r\n See ") + reportFile()
                                   + QStringLiteral(" for details"));
    EXPECT_FALSE(compiler->KeywordsLoaded);

    const ScopedVariable listing("BLITZCC_KEYWORDS", listingOf(keywordFileText({}, 3000)).toUtf8());
    RefreshDefinitions(QStringLiteral("Blitz"), installation.path());
    EXPECT_EQ(readAll(keywordFile()), keywordFileText({}, 3000));
    EXPECT_FALSE(QFileInfo::exists(reportFile()));
    EXPECT_EQ(lastPromptText(), kSuccess);
    EXPECT_TRUE(compiler->KeywordsLoaded);
}

TEST_F(KeywordRefreshTest, AFailingCompilerKeepsTheOldFileAndWhatItPrinted) {
    writeAll(keywordFile(), "the old definitions");
    const ScopedVariable failing("BLITZCC_EXIT", "1");
    const ScopedVariable complaint("BLITZCC_STDERR", "userlib demo.dll not found");
    RefreshDefinitions(QStringLiteral("Blitz"), installation.path());
    EXPECT_EQ(readAll(keywordFile()), QByteArray("the old definitions"));
    EXPECT_GT(readAll(reportFile()).size(), 3000);
    EXPECT_TRUE(readAll(reportFile()).endsWith("userlib demo.dll not found\n"));
    EXPECT_TRUE(lastPromptText().startsWith(QStringLiteral(" Error while creating")));
}

TEST_F(KeywordRefreshTest, EnabledLibrariesAddTheirFunctions) {
    installation.addLibrary(QStringLiteral("vectors.decls"),
                            ".lib \"vectors.dll\"\r\n\r\nVecLength#( x#,y# ):\"_VecLength@8\"\r\nBeep( hz ):\"_Beep@4\"\r\n");
    installation.addLibrary(QStringLiteral("sound.DECLS.disabled"), ".lib \"sound.dll\"\r\nPlayTune( n ):\"_PlayTune@4\"\r\n");
    RefreshDefinitions(QStringLiteral("Blitz"), installation.path());
    ASSERT_TRUE(compiler->KeywordsLoaded);
    EXPECT_EQ(compiler->bbFunkcija('V').Item(QStringLiteral("VecLength"))->Tip, 2);
    EXPECT_TRUE(compiler->bbFunkcija('B').Item(QStringLiteral("Beep")));
    EXPECT_FALSE(compiler->bbFunkcija('P').Item(QStringLiteral("PlayTune")));
}

TEST_F(KeywordRefreshTest, AFolderWithoutTheCompilerRunsNothing) {
    QTemporaryDir empty;
    QDir(empty.path()).mkpath(QStringLiteral("bin"));
    writeAll(empty.path() + QStringLiteral("/bin/blitzcc.exe"), "MZ");
    writeAll(keywordFile(), "the old definitions");

    EXPECT_FALSE(CheckCompilerPath(empty.path()));
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].title, QStringLiteral("Error"));
    EXPECT_EQ(prompts[0].icon, platform::vbExclamation);
    EXPECT_EQ(prompts[0].text, QStringLiteral("Could not find compiler (blitzcc) on specified location: \r") + empty.path()
                                   + QStringLiteral("/bin/blitzcc\r Make sure you have selected correct Blitz Path and at "
                                                    "least v1.78 of Blitz installed !"));

    RefreshDefinitions(QStringLiteral("Blitz"), empty.path());
    EXPECT_EQ(prompts.size(), 2);
    EXPECT_EQ(prompts[1].text, prompts[0].text);
    EXPECT_EQ(QDir(home() + QStringLiteral("/conf")).entryList(QDir::Files), QStringList{"Blitz.lng"});
    EXPECT_EQ(readAll(keywordFile()), QByteArray("the old definitions"));
    EXPECT_TRUE(CheckCompilerPath(installation.path()));
}

TEST_F(KeywordRefreshTest, ANameWithoutAnEntryReloadsNothingAndOneThatIsNoNameWritesNothing) {
    RefreshDefinitions(QStringLiteral("Elsewhere"), installation.path());
    EXPECT_GT(QFileInfo(homeFile(QStringLiteral("conf/Elsewhere.lng"))).size(), 3000);
    EXPECT_EQ(lastPromptText(), kSuccess);
    EXPECT_TRUE(readAll(homeFile(QStringLiteral("error.log"))).contains("No compiler named Elsewhere"));
    EXPECT_FALSE(compiler->KeywordsLoaded);

    RefreshDefinitions(QStringLiteral("../outside"), installation.path());
    EXPECT_FALSE(QFileInfo::exists(homeFile(QStringLiteral("outside.lng"))));
    EXPECT_TRUE(readAll(homeFile(QStringLiteral("error.log"))).contains("Not a compiler name: ../outside"));
}

TEST_F(KeywordRefreshTest, ARefreshAskedWhileOneWaitsStartsNothing) {
    const ScopedVariable logged("BLITZCC_LOG", log().toUtf8());
    const ScopedVariable slow("BLITZCC_SLEEP_MS", "300");
    QTimer::singleShot(50, [this] { RefreshDefinitions(QStringLiteral("Blitz"), installation.path()); });
    RefreshDefinitions(QStringLiteral("Blitz"), installation.path());
    EXPECT_EQ(loggedPids(log()).size(), 1);
    EXPECT_EQ(prompts.size(), 1);
    EXPECT_TRUE(compiler->KeywordsLoaded);
}

TEST_F(KeywordRefreshTest, ACompilerThatDoesNotEndInTimeIsKilled) {
    const ScopedVariable logged("BLITZCC_LOG", log().toUtf8());
    // The deadline leaves a loaded machine time to start the stand-in and
    // log its pid; the sleep is far beyond any deadline.
    const ScopedVariable slow("BLITZCC_SLEEP_MS", "600000");
    QElapsedTimer clock;
    clock.start();
    const WaitedRun run = ShellAndWait(CompilerCommand(installation.path(), {QStringLiteral("+k")}),
                                       logDir.filePath(QStringLiteral("out")), logDir.filePath(QStringLiteral("err")), 3000);
    EXPECT_FALSE(run.endedInTime);
    EXPECT_LT(clock.elapsed(), 300000);
    ASSERT_EQ(loggedPids(log()).size(), 1);
    EXPECT_TRUE(processGone(loggedPids(log())[0]));
}
