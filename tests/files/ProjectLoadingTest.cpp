#include "files/DocumentFilesFixture.h"

#include "editor/ActiveDocument.h"
#include "files/OpenDocuments.h"
#include "files/Project.h"
#include "files/ProjectLoading.h"
#include "files/ProjectTreeHook.h"

#include <QDir>

namespace {

const QByteArray kGame = "[Korvo Project file]\r\n<Settings>\r\n Expanded=\"False\"\r\n CommandLine=\"-w\"\r\n</Settings>\r\n"
                         "<Folders>\r\n</Folders>\r\n<Files>\r\n"
                         " AbsPath=\"\\main.bb\" PrjFolder=\"\" Line=\"0\" Column=\"0\" Tip=\"0\" Visible=\"False\"\r\n"
                         " AbsPath=\"\\util.bb\" PrjFolder=\"\" Line=\"0\" Column=\"0\" Tip=\"0\" Visible=\"False\"\r\n"
                         "</Files>\r\n";

class ProjectLoadingTest : public DocumentFilesTest {
protected:
    void SetUp() override {
        DocumentFilesTest::SetUp();
        QDir().mkpath(homeFile("game"));
        writeAll(homeFile("game/main.bb"), "Global a\r\n");
        writeAll(homeFile("game/util.bb"), "Global b\r\n");
        writeAll(gameFile(), kGame);
        SetPopulateTreeView([this](const QString& key) { treeRebuilds.append(key); });
    }
    void TearDown() override {
        SetPopulateTreeView({});
        DocumentFilesTest::TearDown();
    }

    QString gameFile() const { return homeFile("game/game.kpf"); }

    QStringList treeRebuilds;
};

}

TEST_F(ProjectLoadingTest, LoadingOpensEveryMemberUnderTheProject) {
    OpenFile(gameFile());
    ASSERT_EQ(gProjects.Count(), 1);
    const ProjectPtr project = gProjects.Item(gameFile());
    ASSERT_TRUE(project);
    EXPECT_EQ(project->Compiler, "Blitz");
    EXPECT_EQ(project->CommandLine, "-w");
    EXPECT_EQ(project->Sources.Count(), 2);
    EXPECT_EQ(host.documentWindowKeys(), (QStringList{homeFile("game/main.bb"), homeFile("game/util.bb")}));
    EXPECT_EQ(gActiveProject, project);
    EXPECT_EQ(treeRebuilds, QStringList{QString()});

    ASSERT_FALSE(LoadProject(gameFile()));
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].text, "Project is already loaded");
    EXPECT_EQ(prompts[0].icon, platform::vbExclamation);
    EXPECT_EQ(gProjects.Count(), 1);
    EXPECT_EQ(host.windows.size(), 2);
}

TEST_F(ProjectLoadingTest, LoadingPutsTheProjectAtTheTopOfTheRecentProjects) {
    HostList recent(host, QStringLiteral("FileRecentProjects"));
    recent.AddItem(QStringLiteral("other.kpf"), homeFile("other.kpf"));
    recent.AddItem(QStringLiteral("game.kpf"), gameFile());
    ASSERT_TRUE(LoadProject(gameFile()));
    ASSERT_EQ(recent.Count(), 2);
    EXPECT_EQ(recent.ItemPath(1), gameFile());
    EXPECT_EQ(recent.ItemPath(2), homeFile("other.kpf"));
}

TEST_F(ProjectLoadingTest, AnInvalidFileOrAMemberOpenElsewhereOpensNothing) {
    writeAll(gameFile(), "[korvo project file]\r\n");
    EXPECT_FALSE(LoadProject(gameFile()));
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].text, "Not a valid project file !");
    EXPECT_EQ(prompts[0].icon, platform::vbCritical);
    EXPECT_EQ(readAll(gameFile()), "[korvo project file]\r\n");
    EXPECT_EQ(gProjects.Count(), 0);

    writeAll(gameFile(), kGame);
    ASSERT_TRUE(OpenFile(homeFile("game/util.bb")));
    prompts.clear();
    EXPECT_FALSE(LoadProject(gameFile()));
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].title, "Project loading aborted...");
    EXPECT_TRUE(prompts[0].text.contains("\r\n" + homeFile("game/util.bb") + "\r\n")) << prompts[0].text.toStdString();
    EXPECT_EQ(gProjects.Count(), 1);
    EXPECT_FALSE(gProjects.Exist_Key(gameFile()));
    EXPECT_EQ(host.windows.size(), 1);
}
