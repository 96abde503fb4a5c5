#include "files/projects/ProjectManagerFixture.h"

#include "editor/ActiveDocument.h"
#include "files/OpenDocuments.h"
#include "files/projects/ProjectNodes.h"
#include "files/projects/ProjectsTree.h"

#include <QFileInfo>
#include <QImage>

namespace {

const char* const kPopupKeys[] = {"Add New File", "Add Existing Files", "Add Folder With Files", "Create Category",
                                  "Remove Category", "Remove File", "Rename", "Set As Main File",
                                  "Close This Project", "Save This Project"};

QStringList enabledPopupKeys(const FakeHost& host) {
    QStringList enabled;
    for (const char* key : kPopupKeys)
        if (host.commandEnabled(QLatin1String(key)))
            enabled << QLatin1String(key);
    return enabled;
}

}

TEST_F(ProjectManagerTest, TheTreeShowsCategoriesThenFilesInNameOrderAndTheMainFileBold) {
    const ProjectPtr game = addProject("game", "game", {"\\src", "\\src\\gfx", "\\docs"},
                                       {{"\\b.bb", ""}, {"\\A.bb", ""}, {"\\src\\MAIN.bb", "\\src"}});
    game->MainFile = QStringLiteral("main.bb");
    open("single.bb", "Print 2\r\n");
    NewFile();
    panel->PopulateTreeView(QString());

    EXPECT_EQ(treeLines(), (QStringList{"game\tProject\t-", "  docs\tClosedFolder\t-", "  src\tClosedFolder\t-",
                                        "    gfx\tClosedFolder\t-", "    MAIN.bb\t.BB\t-", "  A.bb\t.BB\t-",
                                        "  b.bb\t.BB\t-"}));
    EXPECT_EQ(projects::NodeKey(panel->tvProjects->currentItem()), game->FullPath);
    EXPECT_EQ(panel->imlProjectEx.Count(), 4) << "one image for every .bb file";
    EXPECT_FALSE(game->Dirty) << "a rebuild that opens nothing changes no project";

    game->MainFile = QStringLiteral("MAIN.bb");
    panel->PopulateTreeView(key(game, "\\src\\MAIN.bb"));
    EXPECT_EQ(treeLines()[4], "    MAIN.bb\t.BB\tbold");
    EXPECT_EQ(projects::NodeTreePath(panel->tvProjects->currentItem()), "game\\src\\MAIN.bb");
}

TEST_F(ProjectManagerTest, NodesWhoseParentIsMissingGoUnderTheirRoot) {
    const ProjectPtr game = addProject("game", "game", {"\\lost\\gfx"}, {{"\\x.bb", "\\gone"}});
    panel->PopulateTreeView(QString());
    EXPECT_EQ(treeLines(), (QStringList{"game\tProject\t-", "  gfx\tClosedFolder\t-", "  x.bb\t.BB\t-"}));
}

TEST_F(ProjectManagerTest, ThePopupIsEnabledByTheKindOfTheSelectedNode) {
    panel->EnablePopupCommands();
    EXPECT_EQ(enabledPopupKeys(host), QStringList());

    const ProjectPtr game = addProject("game", "game", {"\\src"}, {{"\\src\\a.bb", "\\src"}});
    panel->PopulateTreeView(QString());
    select(key(game, "\\src"));
    panel->EnablePopupCommands();
    EXPECT_EQ(enabledPopupKeys(host), (QStringList{"Add New File", "Add Existing Files", "Add Folder With Files",
                                                   "Create Category", "Remove Category", "Rename",
                                                   "Close This Project", "Save This Project"}));
    select(key(game, "\\src\\a.bb"));
    panel->EnablePopupCommands();
    EXPECT_TRUE(host.commandEnabled("Remove File"));
    EXPECT_TRUE(host.commandEnabled("Set As Main File"));
    EXPECT_FALSE(host.commandEnabled("Remove Category"));
    select(game->FullPath);
    panel->EnablePopupCommands();
    for (const char* off : {"Remove Category", "Remove File", "Rename", "Set As Main File"})
        EXPECT_FALSE(host.commandEnabled(off)) << off;
    EXPECT_TRUE(host.commandEnabled("Add New File"));

    panel->tvProjects->setCurrentItem(nullptr);
    panel->EnablePopupCommands();
    EXPECT_EQ(enabledPopupKeys(host), QStringList()) << "nodes but none selected counts as empty";
}

TEST_F(ProjectManagerTest, CreateCategoryAddsUnderTheTargetAndRefusesDuplicatesAndSeparators) {
    const ProjectPtr game = addProject("game", "game", {"\\src"}, {{"\\src\\a.bb", "\\src"}});
    panel->PopulateTreeView(QString());
    select(key(game, "\\src\\a.bb"));
    platform::PromptAnswer name;
    name.text = QStringLiteral("gfx");
    scriptAnswer(name);
    panel->cmdCreateFolder_Click();
    EXPECT_EQ(folderPaths(game), (QStringList{"\\src", "\\src\\gfx"}));
    EXPECT_EQ(projects::NodeKey(panel->tvProjects->currentItem()), key(game, "\\src"));
    EXPECT_TRUE(game->Folders.Item(key(game, "\\src"))->Expanded);
    EXPECT_EQ(treeLines()[1], "  src\tOpenFolder\t-");
    EXPECT_TRUE(game->Dirty);

    game->Dirty = false;
    select(key(game, "\\src"));
    name.text = QStringLiteral("GFX");
    scriptAnswer(name);
    panel->cmdCreateFolder_Click();
    EXPECT_EQ(prompts.last().text, "Folder with this name already exists ");
    EXPECT_EQ(prompts.last().icon, platform::vbExclamation);
    EXPECT_EQ(folderPaths(game).size(), 2);
    EXPECT_TRUE(game->Dirty);

    game->Dirty = false;
    name.text = QStringLiteral("a\\b");
    scriptAnswer(name);
    panel->cmdCreateFolder_Click();
    EXPECT_EQ(prompts.last().text, "Invalid category name: a\\b");
    EXPECT_EQ(folderPaths(game).size(), 2);
    EXPECT_FALSE(game->Dirty);

    panel->tvProjects->setCurrentItem(nullptr);
    scriptAnswer(name);
    panel->cmdCreateFolder_Click();
    EXPECT_EQ(prompts.last().text, "     Select an item first     ");
}

TEST_F(ProjectManagerTest, OpenAndClosedCategoriesLookDifferent) {
    const QImage open = panel->imlProjectEx.Icon(panel->imlProjectEx.IndexOf(QStringLiteral("OpenFolder"))).pixmap(16).toImage();
    const QImage closed = panel->imlProjectEx.Icon(panel->imlProjectEx.IndexOf(QStringLiteral("ClosedFolder"))).pixmap(16).toImage();
    ASSERT_FALSE(open.isNull());
    ASSERT_EQ(open.size(), closed.size());
    // Told apart at a glance: a good share of the pixels differ clearly.
    int differing = 0;
    for (int y = 0; y < open.height(); ++y)
        for (int x = 0; x < open.width(); ++x) {
            const QColor a = open.pixelColor(x, y), b = closed.pixelColor(x, y);
            differing += qAbs(a.alpha() - b.alpha()) + qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) > 150;
        }
    EXPECT_GT(differing, open.width() * open.height() / 8) << differing;
}

TEST_F(ProjectManagerTest, ExpandingAndSettingTheMainFileAreProjectChanges) {
    const ProjectPtr game = addProject("game", "game", {"\\src"}, {{"\\src\\a.bb", "\\src"}, {"\\b.bb", ""}});
    panel->PopulateTreeView(QString());
    panel->node(key(game, "\\src"))->setExpanded(true);
    EXPECT_TRUE(game->Folders.Item(key(game, "\\src"))->Expanded);
    EXPECT_EQ(projects::NodeImage(panel->node(key(game, "\\src"))), "OpenFolder");
    EXPECT_TRUE(game->Dirty);

    game->Dirty = false;
    select(key(game, "\\src\\a.bb"));
    panel->SetAsMainFIle();
    EXPECT_EQ(game->MainFile, "a.bb");
    EXPECT_TRUE(panel->node(key(game, "\\src\\a.bb"))->font(0).bold());
    EXPECT_TRUE(game->Dirty);
}

TEST_F(ProjectManagerTest, DoubleClickActivatesAMemberAndReopensOneWhoseWindowClosed) {
    const ProjectPtr game = addProject("game", "game", {}, {{"\\a.bb", ""}, {"\\b.bb", ""}});
    ASSERT_TRUE(OpenProjectsFile(*game, homeFile("game/a.bb"), false));
    panel->PopulateTreeView(QString());

    select(key(game, "\\b.bb"));
    panel->OpenSelectedFile();
    ASSERT_TRUE(gActiveDoc);
    EXPECT_EQ(gActiveDoc->FullFilename, homeFile("game/b.bb"));
    EXPECT_EQ(gActiveProject, game);
    EXPECT_EQ(game->Sources.Count(), 2);

    select(key(game, "\\a.bb"));
    panel->OpenSelectedFile();
    EXPECT_EQ(host.activeKey, homeFile("game/a.bb"));
    EXPECT_EQ(game->Sources.Count(), 2);

    select(game->FullPath);
    panel->OpenSelectedFile();
    EXPECT_EQ(host.activeKey, homeFile("game/a.bb")) << "a project node opens nothing";
}

TEST_F(ProjectManagerTest, SaveThisProjectAndThePanelsUnloadWriteChangedProjects) {
    const ProjectPtr game = addProject("game", "game", {}, {{"\\a.bb", ""}});
    const ProjectPtr other = addProject("other", "other", {}, {});
    panel->PopulateTreeView(QString());
    select(key(game, "\\a.bb"));
    game->Dirty = true;
    panel->cmdSaveProject_Click();
    EXPECT_TRUE(readAll(game->FullPath).startsWith("[Korvo Project file]\r\n"));
    EXPECT_FALSE(game->Dirty);
    EXPECT_FALSE(QFileInfo::exists(other->FullPath));

    other->Dirty = true;
    panel.reset();
    EXPECT_TRUE(readAll(other->FullPath).contains("<Files>\r\n</Files>\r\n"));
    EXPECT_FALSE(other->Dirty);
}
