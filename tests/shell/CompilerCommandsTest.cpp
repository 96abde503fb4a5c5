#include "shell/MainWindowFixture.h"

#include "build/BuildState.h"
#include "build/CompilerList.h"
#include "build/frmCompiling.h"
#include "vocabulary/SettingsValues.h"
#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"
#include "platform/dock/CommandBar.h"
#include "platform/dock/DockLayer.h"

#include "support/StandIn.h"

#include <QFile>

namespace {

class CompilerCommandsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        gCompilers.Item(QStringLiteral("Blitz"))->Path = installation.path();
        gOnCompileSave = 1;
    }
    void TearDown() override {
        CloseCompiling();
        MainWindowTest::TearDown();
    }

    void click(const char* key) { main->DS->click(main->DS->command(QLatin1String(key))); }
    // Clicks the command and waits for the compiler it started; the arguments it was given.
    QStringList compiledWith(const char* key) {
        QFile::remove(log());
        click(key);
        EXPECT_TRUE(waitUntil([] { return gActiveDoc && !gActiveDoc->ShellClass->Running(); }));
        return loggedArguments(log());
    }
    QString log() const { return logDir.path() + QStringLiteral("/stand-in.log"); }

    StandInInstallation installation;
    QTemporaryDir logDir;
};

}

TEST_F(CompilerCommandsTest, EachBuildCommandCompilesTheActiveDocumentItsOwnWay) {
    const ScopedVariable logged("BLITZCC_LOG", log().toUtf8());
    openFiles({QStringLiteral("a.bb")});
    const QString file = homeFile(QStringLiteral("a.bb"));

    EXPECT_EQ(compiledWith("Compile and Run"), QStringList{file});
    EXPECT_EQ(compiledWith("DebugCompile"), (QStringList{"-d", file}));

    const QString executable = homeFile(QStringLiteral("a.exe"));
    platform::PromptAnswer chosen;
    chosen.accepted = true;
    chosen.text = executable;
    scriptAnswer(chosen);
    EXPECT_EQ(compiledWith("CreateExecutable"), (QStringList{"-o", executable, file}));
    EXPECT_EQ(gLastCreatedExe, executable);
}

TEST_F(CompilerCommandsTest, CompileAndRunLastGoesBackToTheLastCompiledDocument) {
    const ScopedVariable logged("BLITZCC_LOG", log().toUtf8());
    openFiles({QStringLiteral("a.bb"), QStringLiteral("b.bb")});
    main->DS->documents().activate(*main->DS->documents().find(homeFile(QStringLiteral("a.bb"))));
    compiledWith("Compile and Run");
    main->DS->documents().activate(*main->DS->documents().find(homeFile(QStringLiteral("b.bb"))));

    EXPECT_EQ(compiledWith("Compile and Run Last"), QStringList{homeFile(QStringLiteral("a.bb"))});
    EXPECT_EQ(gActiveDoc->FullFilename, homeFile(QStringLiteral("a.bb")));
}

TEST_F(CompilerCommandsTest, CompileAndRunLastWithTheDocumentClosedDoesNothing) {
    const ScopedVariable logged("BLITZCC_LOG", log().toUtf8());
    openFiles({QStringLiteral("b.bb")});
    gLastCompiledFile = homeFile(QStringLiteral("closed.bb"));
    click("Compile and Run Last");
    EXPECT_FALSE(QFile::exists(log()));
    EXPECT_TRUE(prompts.isEmpty());
}

TEST_F(CompilerCommandsTest, ProgramCommandLineShowsItsBarAndFocusesTheBox) {
    main->show();
    openFiles({QStringLiteral("a.bb")});
    dock::CommandBar& bar = main->DS->bar(QStringLiteral("Command Line"));
    bar.setVisible(false);
    click("ProgramCommandLine");
    EXPECT_TRUE(bar.visible());
    QWidget* box = main->DS->firstToolBarWidget(QStringLiteral("Command Line"));
    ASSERT_NE(box, nullptr);
    QWidget* focus = box->window()->focusWidget();
    EXPECT_TRUE(focus == box || box->isAncestorOf(focus));
}
