#include "files/RecentFilesProjects.h"
#include "platform/SettingsStore.h"
#include "support/FakeHost.h"
#include "support/TestEnvironment.h"
#include "vocabulary/SettingsValues.h"


namespace {

class RecentFilesProjectsTest : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        gShowRecentFull = 1;
    }

    FakeHost host;
    HostList files{host, "FileRecentFiles"};
    HostList projects{host, "FileRecentProjects"};
};

}

TEST_F(RecentFilesProjectsTest, LoadFillsBothMenusInStoredOrder) {
    platform::SaveSetting("RecentFilenames", "Count", "3");
    platform::SaveSetting("RecentFilenames", "3", "/work/three.bb");
    platform::SaveSetting("RecentFilenames", "1", "C:\\games\\one.bb");
    platform::SaveSetting("RecentProjects", "Count", "1");
    platform::SaveSetting("RecentProjects", "1", "/work/game.kpf");
    files.AddItem("old", "/old.bb");

    gShowRecentFull = 0;
    LoadRecentFilesProjects();
    EXPECT_EQ(files.captions(), QStringList({"one.bb", "", "three.bb"}));
    EXPECT_EQ(files.ItemPath(1), "C:\\games\\one.bb");
    EXPECT_EQ(files.ItemPath(2), "");
    EXPECT_EQ(projects.captions(), QStringList({"game.kpf"}));

    gShowRecentFull = 1;
    LoadRecentFilesProjects();
    EXPECT_EQ(files.captions(), QStringList({"C:\\games\\one.bb", "", "/work/three.bb"}));
}

TEST_F(RecentFilesProjectsTest, SaveWritesPathsNotCaptions) {
    gShowRecentFull = 0;
    platform::SaveSetting("RecentFilenames", "7", "stale");
    files.AddItem("a.bb", "/work/a.bb");
    files.AddItem("b.bb", "/work/b.bb");
    projects.AddItem("p.kpf", "/work/p.kpf");
    SaveRecentFilesProjects();

    EXPECT_EQ(platform::GetSetting("RecentFilenames", "Count"), "2");
    EXPECT_EQ(platform::GetSetting("RecentFilenames", "2"), "/work/b.bb");
    EXPECT_EQ(platform::GetSetting("RecentFilenames", "7", "gone"), "gone");
    EXPECT_EQ(platform::GetSetting("RecentProjects", "1"), "/work/p.kpf");

    files.RemoveAll();
    projects.RemoveAll();
    LoadRecentFilesProjects();
    EXPECT_EQ(files.captions(), QStringList({"a.bb", "b.bb"}));
    EXPECT_EQ(files.ItemPath(2), "/work/b.bb");
    EXPECT_EQ(projects.ItemPath(1), "/work/p.kpf");
}

TEST_F(RecentFilesProjectsTest, ABadCountIsLoggedAndLeavesTheMenusAlone) {
    platform::SaveSetting("RecentFilenames", "Count", "many");
    files.AddItem("kept.bb", "/kept.bb");
    LoadRecentFilesProjects();
    EXPECT_EQ(files.captions(), QStringList({"kept.bb"}));
    EXPECT_TRUE(readAll(homeFile("error.log")).contains("LoadRecentFilesProjects"));

    platform::SaveSetting("RecentFilenames", "Count", "99999");
    LoadRecentFilesProjects();
    EXPECT_EQ(files.Count(), 1);
}

TEST_F(RecentFilesProjectsTest, AMissingMenuIsLoggedOnLoadAndSkippedOnSave) {
    host.removeCommand("FileRecentProjects");
    platform::SaveSetting("RecentFilenames", "Count", "1");
    platform::SaveSetting("RecentFilenames", "1", "/a.bb");
    LoadRecentFilesProjects();
    EXPECT_EQ(files.Count(), 1);
    EXPECT_TRUE(readAll(homeFile("error.log")).contains("LoadRecentFilesProjects"));

    SaveRecentFilesProjects();
    EXPECT_EQ(platform::GetSetting("RecentFilenames", "1"), "/a.bb");
    EXPECT_TRUE(platform::GetAllSettings("RecentProjects").isEmpty());
}
