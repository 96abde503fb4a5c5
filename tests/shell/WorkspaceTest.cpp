#include "shell/MainWindowFixture.h"

#include "editor/ActiveDocument.h"
#include "editor/SciWrappers.h"
#include "files/Attributes.h"
#include "files/OpenDocuments.h"
#include "files/Project.h"
#include "files/ProjectLoading.h"
#include "files/Workspaces.h"
#include "explorer/HelpBrowser.h"
#include "explorer/frmMainHelp.h"
#include "platform/Host.h"
#include "platform/ShellOpen.h"
#include "shell/MainWindowHost.h"
#include "vocabulary/WindowKeys.h"

#include <QDir>

namespace {

const QByteArray kGame = "[Korvo Project file]\r\n<Settings>\r\n Expanded=\"False\"\r\n</Settings>\r\n"
                         "<Folders>\r\n</Folders>\r\n<Files>\r\n"
                         " AbsPath=\"\\main.bb\" PrjFolder=\"\" Line=\"0\" Column=\"0\" Tip=\"0\" Visible=\"False\"\r\n"
                         " AbsPath=\"\\util.bb\" PrjFolder=\"\" Line=\"0\" Column=\"0\" Tip=\"0\" Visible=\"False\"\r\n"
                         "</Files>\r\n";

// The main window's host, counting the code explorer's fills while installed.
class FillCountingHost : public MainWindowHost {
public:
    explicit FillCountingHost(dock::DockLayer& layer) : MainWindowHost(layer), previous_(platform::host()) {
        platform::setHost(this);
    }
    ~FillCountingHost() override { platform::setHost(&previous_); }
    void refreshCodeExplorer() override {
        ++fills;
        MainWindowHost::refreshCodeExplorer();
    }
    int fills = 0;

private:
    platform::Host& previous_;
};

class WorkspaceTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        QDir().mkpath(homeFile("game"));
        writeAll(homeFile("game/main.bb"), "Global a\r\n");
        writeAll(homeFile("game/util.bb"), "Global b\r\n");
        writeAll(gameFile(), kGame);
        writeAll(homeFile("x.bb"), "Print 1\r\nPrint 2\r\n");
    }

    QString gameFile() const { return homeFile("game/game.kpf"); }
    QString workspace() const { return homeFile("w.kws"); }

    QStringList windowKeys() const {
        QStringList keys;
        for (dock::DocumentWindow* window : main->DS->documents().windows())
            keys.append(window->key());
        return keys;
    }
    QStringList projectKeys() const {
        QStringList keys;
        for (const ProjectPtr& project : gProjects.NewEnum())
            keys.append(project->FullPath);
        return keys;
    }
    // The game, x.bb with the caret at 9 as the active document, and an untitled one.
    void openSession() {
        ASSERT_TRUE(LoadProject(gameFile()));
        ASSERT_TRUE(OpenFile(homeFile("x.bb")));
        NewFile();
        main->DS->documents().activate(*main->DS->documents().find(homeFile("x.bb")));
        SciGotoPos(9);
    }
};

}

TEST_F(WorkspaceTest, AWorkspaceKeepsTheProjectsAndFilesButNotUntitledOnes) {
    openSession();
    gActiveDoc->setDirty(true);
    ASSERT_TRUE(SaveWorkSpace(workspace()));
    const QStringList lines = DecodeAttributeLines(readAll(workspace()));
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines.mid(0, 6), (QStringList{"[Korvo WorkSpace File]", "<Settings>", " Version=\"1\"", " CPOS=\"9\"",
                                            "</Settings>", "<Workspace>"}));
    EXPECT_TRUE(lines[6].startsWith(" Windows=\""));
    EXPECT_EQ(lines[6].count(QLatin1Char('"')), 2);
    EXPECT_GT(lines[6].size(), 20);
    EXPECT_EQ(lines.mid(7), (QStringList{"</Workspace>", "<Projects>",
                                         " Path=\"" + gameFile() + "\" Single=\"False\"",
                                         " Path=\"" + homeFile("x.bb") + "\" Single=\"True\"", "</Projects>"}));
    EXPECT_TRUE(readAll(workspace()).endsWith("</Projects>\r\n"));

    scriptButton(platform::vbNo);
    ASSERT_TRUE(LoadWorkSpace(workspace()));
    EXPECT_EQ(savePrompts().size(), 1);
    EXPECT_EQ(main->DS->documents().find(homeFile("x.bb"))->caption(), "x.bb");
    EXPECT_EQ(projectKeys(), (QStringList{gameFile(), homeFile("x.bb")}));
    EXPECT_EQ(windowKeys(), (QStringList{homeFile("game/main.bb"), homeFile("game/util.bb"), homeFile("x.bb")}));
    ASSERT_TRUE(gActiveDoc);
    EXPECT_EQ(gActiveDoc->FullFilename, homeFile("x.bb"));
    EXPECT_EQ(SciGetCurrentPos(), 9);
    EXPECT_EQ(gProjects.Item(gameFile())->Sources.Count(), 2);
}

TEST_F(WorkspaceTest, AWorkspaceFromElsewhereStillOpensItsFiles) {
    writeAll(workspace(), "[Korvo WorkSpace File]\r\n<Settings>\r\n Version=\"1\"\r\n CPOS=\"4.6\"\r\n</Settings>\r\n"
                          "<Workspace>\r\n Windows=\"not a layout of ours\"\r\n</Workspace>\r\n<Projects>\r\n Path=\"" +
                              homeFile("x.bb").toUtf8() + "\" Single=\"true\"\r\n</Projects>\r\n");
    ASSERT_TRUE(LoadWorkSpace(workspace()));
    EXPECT_EQ(windowKeys(), QStringList{homeFile("x.bb")});
    EXPECT_EQ(SciGetCurrentPos(), 5);
}

TEST_F(WorkspaceTest, AProgramNamedByAWorkspaceOpensAsTextAndNeverRuns) {
    QList<platform::ShellRequest> shellRequests;
    platform::setShellHandler([&shellRequests](const platform::ShellRequest& request) {
        shellRequests.append(request);
        return int(platform::ShellSuccess);
    });
    const QString payload = homeFile("payload.sh");
    writeAll(payload, "#!/bin/sh\ntouch ran\n");
    QFile::setPermissions(payload, QFile::permissions(payload) | QFileDevice::ExeOwner);
    writeAll(homeFile("notes.txt"), "words\n");
    writeAll(workspace(), "[Korvo WorkSpace File]\r\n<Settings>\r\n Version=\"1\"\r\n CPOS=\"0\"\r\n</Settings>\r\n"
                          "<Workspace>\r\n Windows=\"\"\r\n</Workspace>\r\n<Projects>\r\n Path=\"" +
                              payload.toUtf8() + "\" Single=\"True\"\r\n Path=\"" + homeFile("notes.txt").toUtf8() +
                              "\" Single=\"True\"\r\n</Projects>\r\n");
    EXPECT_FALSE(OpenFile(workspace()));
    platform::setShellHandler({});
    EXPECT_EQ(windowKeys(), QStringList{payload});
    ASSERT_EQ(shellRequests.size(), 1);
    EXPECT_EQ(shellRequests[0].file, homeFile("notes.txt"));
}

TEST_F(WorkspaceTest, AnInvalidOrMissingWorkspaceClosesNothing) {
    ASSERT_TRUE(OpenFile(homeFile("x.bb")));
    ASSERT_TRUE(SaveWorkSpace(workspace()));
    const QByteArray good = readAll(workspace());
    QByteArray wrongHeader = good;
    wrongHeader.replace("WorkSpace", "Workspace");
    const QByteArray cutInProjects = good.left(good.indexOf("</Projects>"));
    QByteArray noPath = good;
    noPath.replace(" Path=", " File=");
    QByteArray badSingle = good;
    badSingle.replace("Single=\"True\"", "Single=\"maybe\"");
    for (const QByteArray& bytes : {wrongHeader, cutInProjects, noPath, badSingle}) {
        writeAll(workspace(), bytes);
        prompts.clear();
        EXPECT_FALSE(LoadWorkSpace(workspace()));
        ASSERT_EQ(prompts.size(), 1);
        EXPECT_EQ(prompts[0].text, "Invalid workspace file !");
        EXPECT_EQ(prompts[0].icon, platform::vbCritical);
        EXPECT_EQ(windowKeys(), QStringList{homeFile("x.bb")});
    }

    prompts.clear();
    EXPECT_FALSE(LoadWorkSpace(homeFile("none.kws")));
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].text, "No valid workspace file found !");
    EXPECT_EQ(prompts[0].icon, platform::vbExclamation);
}

TEST_F(WorkspaceTest, ACancelledSavePromptStopsLoadingAndClosing) {
    openSession();
    ASSERT_TRUE(SaveWorkSpace(workspace()));
    main->DS->documents().activate(*main->DS->documents().find(homeFile("game/main.bb")));
    gActiveDoc->setDirty(true);
    const QStringList before = windowKeys();
    scriptButton(platform::vbCancel);
    EXPECT_FALSE(LoadWorkSpace(workspace()));
    EXPECT_EQ(projectKeys().size(), 3);
    EXPECT_EQ(windowKeys(), before);

    const ProjectPtr game = gProjects.Item(gameFile());
    scriptButton(platform::vbCancel);
    EXPECT_FALSE(CloseProject(*game));
    EXPECT_TRUE(gProjects.Exist_Key(gameFile()));
    EXPECT_EQ(game->Sources.Count(), 2);

    scriptButton(platform::vbNo);
    EXPECT_TRUE(CloseProject(*game));
    EXPECT_FALSE(gProjects.Exist_Key(gameFile()));
    EXPECT_FALSE(windowKeys().contains(homeFile("game/main.bb")));
    EXPECT_FALSE(windowKeys().contains(homeFile("game/util.bb")));
}

TEST_F(WorkspaceTest, ARestoredHelpWindowShowsTheHelpBrowserAgain) {
    OpenHelpWindow();
    ASSERT_TRUE(OpenFile(homeFile("x.bb")));
    ASSERT_TRUE(SaveWorkSpace(workspace()));
    platform::host().closeDocumentWindow(kHelpWindowKey);
    UnloadHelpForm();

    ASSERT_TRUE(LoadWorkSpace(workspace()));
    dock::DocumentWindow* help = main->DS->documents().find(kHelpWindowKey);
    ASSERT_NE(help, nullptr);
    EXPECT_NE(HelpForm(), nullptr);
    EXPECT_EQ(help->form(), HelpForm());
    EXPECT_EQ(HelpWindowID(), help->id());
}

TEST_F(WorkspaceTest, ClosingAProjectOrAllFilesFillsTheCodeExplorerOnce) {
    openSession();
    FillCountingHost counting(*main->DS);
    ASSERT_TRUE(CloseProject(*gProjects.Item(gameFile())));
    EXPECT_EQ(counting.fills, 1);

    // Close All stops at the untitled document's cancelled prompt, after x.bb closed.
    main->DS->documents().activate(*main->DS->documents().windows().last());
    gActiveDoc->setDirty(true);
    counting.fills = 0;
    scriptButton(platform::vbCancel);
    main->DS->click(main->DS->command(QStringLiteral("Close All Files")));
    EXPECT_EQ(windowKeys().size(), 1);
    EXPECT_EQ(counting.fills, 1);

    ASSERT_TRUE(OpenFile(homeFile("x.bb")));
    gActiveDoc->setDirty(false);
    main->DS->documents().activate(*main->DS->documents().windows().first());
    gActiveDoc->setDirty(false);
    counting.fills = 0;
    main->DS->click(main->DS->command(QStringLiteral("Close All Files")));
    EXPECT_EQ(gProjects.Count(), 0);
    EXPECT_EQ(counting.fills, 1);
}
