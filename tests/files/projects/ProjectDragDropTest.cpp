#include "files/projects/ProjectManagerFixture.h"

#include "files/projects/ProjectNodes.h"

#include <QMimeData>
#include <QUrl>

namespace {

class ProjectDragDropTest : public ProjectManagerTest {
protected:
    // Drags the node of dragKey and drops it on the node of targetKey.
    void dragOnto(const QString& dragKey, const QString& targetKey) {
        std::unique_ptr<QMimeData> data(panel->dragNode(panel->node(dragKey)));
        ASSERT_TRUE(data);
        panel->tvProjects_OLEDragDrop(panel->node(targetKey), *data);
        panel->tvProjects_OLECompleteDrag();
    }
    // The effect a drag of dragKey shows over targetKey.
    Qt::DropAction effectOver(const QString& dragKey, const QString& targetKey) {
        std::unique_ptr<QMimeData> data(panel->dragNode(panel->node(dragKey)));
        const Qt::DropAction action = data ? panel->tvProjects_OLEDragOver(panel->node(targetKey), *data) : Qt::IgnoreAction;
        panel->tvProjects_OLECompleteDrag();
        return action;
    }
};

}

TEST_F(ProjectDragDropTest, ACategoryMovesWithItsSubtree) {
    const ProjectPtr game = addProject("game", "game", {"\\a", "\\a\\b", "\\c"}, {{"\\x.bb", "\\a"}, {"\\y.bb", ""}});
    panel->PopulateTreeView(QString());

    dragOnto(key(game, "\\a"), key(game, "\\c"));
    EXPECT_EQ(folderPaths(game), (QStringList{"\\c", "\\c\\a", "\\c\\a\\b"}));
    const FilePtr x = game->Files.Item("x.bb");
    EXPECT_EQ(x->PrjFolder, "\\c\\a");
    EXPECT_EQ(x->AbsPath, "\\x.bb");
    EXPECT_EQ(projects::NodeKey(panel->tvProjects->currentItem()), key(game, "\\c\\a"));
    EXPECT_TRUE(game->Dirty);

    game->Dirty = false;
    dragOnto(key(game, "\\c\\a\\x.bb"), key(game, "\\y.bb"));
    EXPECT_EQ(x->PrjFolder, "") << "dropped on a file, it goes beside it";
    EXPECT_EQ(x->TreeParent, game->FullPath);
    EXPECT_TRUE(game->Dirty);
}

TEST_F(ProjectDragDropTest, DropsIntoItselfItsParentItsSubtreeOrAnotherProjectChangeNothing) {
    const ProjectPtr game = addProject("game", "game", {"\\a", "\\a\\b"}, {{"\\x.bb", "\\a"}, {"\\y.bb", ""}});
    const ProjectPtr other = addProject("other", "other", {"\\d"}, {});
    panel->PopulateTreeView(QString());
    const QStringList before = treeLines();

    EXPECT_EQ(effectOver(key(game, "\\a"), key(game, "\\a\\b")), Qt::IgnoreAction);
    EXPECT_EQ(effectOver(key(game, "\\a"), key(other, "\\d")), Qt::IgnoreAction);
    EXPECT_EQ(effectOver(key(game, "\\a"), key(game, "\\y.bb")), Qt::MoveAction);
    EXPECT_FALSE(panel->dragNode(panel->node(game->FullPath))) << "a project root carries nothing";

    dragOnto(key(game, "\\a"), key(game, "\\a"));
    dragOnto(key(game, "\\a"), key(game, "\\a\\b"));
    dragOnto(key(game, "\\a"), key(game, "\\y.bb"));
    dragOnto(key(game, "\\a"), key(other, "\\d"));
    EXPECT_EQ(treeLines(), before);
    EXPECT_EQ(folderPaths(game), (QStringList{"\\a", "\\a\\b"}));
    EXPECT_FALSE(game->Dirty);
    EXPECT_FALSE(other->Dirty);

    QMimeData foreign;
    foreign.setText(key(game, "\\a"));
    EXPECT_EQ(panel->tvProjects_OLEDragOver(panel->node(game->FullPath), foreign), Qt::IgnoreAction);
}

TEST_F(ProjectDragDropTest, ACategoryIsNotMovedOntoOneOfItsName) {
    const ProjectPtr game = addProject("game", "game", {"\\a", "\\c", "\\c\\A"}, {{"\\x.bb", "\\a"}});
    panel->PopulateTreeView(QString());
    dragOnto(key(game, "\\a"), key(game, "\\c"));
    EXPECT_EQ(prompts.last().text, "Folder named a already exists in this category");
    EXPECT_EQ(prompts.last().title, "Invalid name");
    EXPECT_EQ(folderPaths(game), (QStringList{"\\a", "\\c", "\\c\\A"}));
    EXPECT_EQ(game->Files.Item("x.bb")->PrjFolder, "\\a");
}

TEST_F(ProjectDragDropTest, MovingTheLastChildOutClosesItsCategory) {
    const ProjectPtr game = addProject("game", "game", {"\\a"}, {{"\\x.bb", "\\a"}});
    game->Folders.Item(key(game, "\\a"))->Expanded = true;
    panel->PopulateTreeView(QString());
    dragOnto(key(game, "\\a\\x.bb"), game->FullPath);
    EXPECT_FALSE(game->Folders.Item(key(game, "\\a"))->Expanded);
    EXPECT_EQ(treeLines(), (QStringList{"game\tProject\t-", "  a\tClosedFolder\t-", "  x.bb\t.BB\t-"}));
}

TEST_F(ProjectDragDropTest, DroppedFilesAreAddedUnderTheNodeAndFoldersSkipped) {
    const ProjectPtr game = addProject("game", "game", {"\\src"}, {});
    writeAll(homeFile("game/d1.bb"), "");
    writeAll(homeFile("game/d2.bb"), "");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(homeFile("game/d1.bb")), QUrl::fromLocalFile(homeFile("game")),
                  QUrl::fromLocalFile(homeFile("game/d2.bb"))});

    panel->tvProjects_OLEDragDrop(nullptr, data);
    EXPECT_EQ(prompts.last().text, "You must open or create a project before you can add files");

    panel->PopulateTreeView(QString());
    EXPECT_EQ(panel->tvProjects_OLEDragOver(nullptr, data), Qt::CopyAction);
    panel->tvProjects_OLEDragDrop(panel->node(key(game, "\\src")), data);
    EXPECT_EQ(game->Files.Count(), 2);
    EXPECT_EQ(game->Files.Item("d2.bb")->PrjFolder, "\\src");
    EXPECT_EQ(game->Sources.Count(), 2);
}

TEST_F(ProjectDragDropTest, CategoriesOpenedToShowADroppedOrSelectedNodeStayOpen) {
    const ProjectPtr game = addProject("game", "game", {"\\a", "\\a\\b", "\\c"}, {{"\\x.bb", ""}, {"\\y.bb", "\\a\\b"}});
    panel->PopulateTreeView(key(game, "\\a\\b\\y.bb"));
    for (const char* category : {"\\a", "\\a\\b"}) {
        EXPECT_TRUE(game->Folders.Item(key(game, category))->Expanded) << category;
        EXPECT_EQ(projects::NodeImage(panel->node(key(game, category))), "OpenFolder") << category;
    }
    EXPECT_FALSE(game->Folders.Item(key(game, "\\c"))->Expanded);
    EXPECT_TRUE(game->Dirty);

    dragOnto(key(game, "\\x.bb"), key(game, "\\c"));
    EXPECT_TRUE(panel->node(key(game, "\\c"))->isExpanded());
    EXPECT_TRUE(game->Folders.Item(key(game, "\\c"))->Expanded);
    // Reopened, the project shows them as it was left.
    panel->PopulateTreeView(QString());
    EXPECT_EQ(treeLines().mid(1, 3), (QStringList{"  a\tOpenFolder\t-", "    b\tOpenFolder\t-", "      y.bb\t.BB\t-"}));
}
