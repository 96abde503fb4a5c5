#include "files/projects/ProjectManagerFixture.h"

#include "editor/ActiveDocument.h"
#include "files/OpenDocuments.h"
#include "files/SaveDocuments.h"
#include "files/projects/ProjectNodes.h"
#include "platform/scintilla/SciDirectCalls.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QFileInfo>

namespace {

QStringList memberNames(const ProjectPtr& project) {
    QStringList names;
    for (const FilePtr& file : project->Files.NewEnum())
        names << file->Name + QLatin1Char('|') + file->AbsPath + QLatin1Char('|') + file->PrjFolder;
    return names;
}

platform::PromptAnswer chosenFiles(const QStringList& paths) {
    platform::PromptAnswer answer;
    answer.paths = paths;
    answer.text = paths.value(0);
    return answer;
}

}

TEST_F(ProjectManagerTest, AddExistingFilesAsksOnceToCopyOutsideFilesAndOpensTheCopies) {
    const ProjectPtr game = addProject("game", "game", {"\\src"}, {{"\\src\\a.bb", "\\src"}});
    QDir().mkpath(homeFile("game/lib"));
    writeAll(homeFile("game/lib/in.bb"), "Print 3\r\n");
    writeAll(homeFile("out1.bb"), "Print 4\r\n");
    writeAll(homeFile("out2.bb"), "Print 5\r\n");
    panel->PopulateTreeView(QString());
    select(key(game, "\\src\\a.bb"));

    scriptAnswer(chosenFiles({homeFile("out1.bb"), homeFile("game/lib/in.bb"), homeFile("out2.bb")}));
    scriptButton(platform::vbYes);
    panel->cmdAddExisFile_Click();
    ASSERT_EQ(prompts.size(), 2);
    EXPECT_EQ(prompts[1].title, "Invalid file location");
    EXPECT_EQ(prompts[1].text, "Project Files must be in the project's (sub)folder !\r\n"
                               "Do you want to allow Korvo to copy files to the project's folder now ?");
    EXPECT_EQ(memberNames(game), (QStringList{"a.bb|\\src\\a.bb|\\src", "in.bb|\\lib\\in.bb|\\src",
                                              "out1.bb|\\out1.bb|\\src", "out2.bb|\\out2.bb|\\src"}));
    EXPECT_TRUE(QFileInfo::exists(homeFile("game/out1.bb")));
    EXPECT_TRUE(QFileInfo::exists(homeFile("out1.bb")));
    EXPECT_TRUE(game->Sources.Exist_Key(homeFile("game/out2.bb")));
    EXPECT_EQ(game->Sources.Count(), 3);
    EXPECT_TRUE(game->Dirty);
    EXPECT_EQ(projects::NodeKey(panel->tvProjects->currentItem()), key(game, "\\src\\a.bb"));
    EXPECT_EQ(treeLines()[1], "  src\tOpenFolder\t-");

    writeAll(homeFile("out3.bb"), "Print 6\r\n");
    select(game->FullPath);
    prompts.clear();
    scriptAnswer(chosenFiles({homeFile("out3.bb")}));
    scriptButton(platform::vbNo);
    panel->cmdAddExisFile_Click();
    EXPECT_EQ(prompts.size(), 2) << "No skips silently";
    EXPECT_FALSE(game->Files.Exist_Key("out3.bb"));
}

TEST_F(ProjectManagerTest, AddFileRefusesOpenFilesDuplicateNamesAndBackslashes) {
    const ProjectPtr game = addProject("game", "game", {}, {{"\\a.bb", ""}});
    QDir().mkpath(homeFile("game/sub"));
    writeAll(homeFile("game/sub/A.BB"), "");
    writeAll(homeFile("game/open.bb"), "");
    writeAll(homeFile("game/bad\\name.bb"), "");
    ASSERT_TRUE(OpenFile(homeFile("game/open.bb")));
    panel->PopulateTreeView(QString());
    select(game->FullPath);

    QString path = homeFile("game/open.bb");
    EXPECT_FALSE(panel->AddFileToProject(path));
    EXPECT_EQ(prompts.last().text, "This file is already opened in Korvo as single file or as part of another project:\r\n" +
                                       path + "\r\nClose this file before adding it to the project...");
    EXPECT_EQ(prompts.last().title, "File could not be added to the project");

    path = homeFile("game/sub/A.BB");
    EXPECT_FALSE(panel->AddFileToProject(path));
    EXPECT_EQ(prompts.last().text, "File A.BB already exists in this project");

    path = homeFile("game/bad\\name.bb");
    EXPECT_FALSE(panel->AddFileToProject(path));
    EXPECT_EQ(prompts.last().text, "Invalid file name: bad\\name.bb");
    EXPECT_EQ(game->Files.Count(), 1);
    EXPECT_FALSE(game->Dirty);
}

TEST_F(ProjectManagerTest, AddNewFileCreatesAnEmptyMemberInsideTheProjectFolder) {
    const ProjectPtr game = addProject("game", "game", {}, {});
    panel->PopulateTreeView(QString());
    platform::PromptAnswer answer;
    answer.text = QStringLiteral("new.bb");
    scriptAnswer(answer);
    answer.text = homeFile("elsewhere.bb");
    scriptAnswer(answer);
    scriptButton(platform::vbOK);
    answer.text = homeFile("game/new.bb");
    scriptAnswer(answer);
    panel->cmdAddNewFile_Click();
    EXPECT_EQ(prompts[2].text, "Project Files must be saved in the project's (sub)folder !");
    EXPECT_EQ(memberNames(game), QStringList{"new.bb|\\new.bb|"});
    EXPECT_TRUE(QFileInfo(homeFile("game/new.bb")).isFile());
    EXPECT_EQ(gActiveDoc->FullFilename, homeFile("game/new.bb"));
}

TEST_F(ProjectManagerTest, RemoveFileClosesTheDocumentUnlessItsSaveIsCancelled) {
    const ProjectPtr game = addProject("game", "game", {"\\src"}, {{"\\src\\main.bb", "\\src"}, {"\\b.bb", ""}});
    game->MainFile = QStringLiteral("main.bb");
    ASSERT_TRUE(OpenProjectsFile(*game, homeFile("game/src/main.bb"), false));
    panel->PopulateTreeView(QString());
    panel->node(key(game, "\\src"))->setExpanded(true);
    game->Dirty = false;
    select(key(game, "\\src\\main.bb"));

    host.hideRefused = [](const QString&) { return true; };
    panel->cmdRemoveFile_Click();
    EXPECT_TRUE(game->Files.Exist_Key("main.bb"));
    EXPECT_EQ(game->Sources.Count(), 1);
    EXPECT_EQ(game->MainFile, "main.bb");
    EXPECT_FALSE(game->Dirty);

    host.hideRefused = nullptr;
    panel->cmdRemoveFile_Click();
    EXPECT_FALSE(game->Files.Exist_Key("main.bb"));
    EXPECT_EQ(game->Sources.Count(), 0);
    EXPECT_TRUE(host.windows.isEmpty());
    EXPECT_TRUE(game->MainFile.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(homeFile("game/src/main.bb")));
    EXPECT_EQ(treeLines(), (QStringList{"game\tProject\t-", "  src\tClosedFolder\t-", "  b.bb\t.BB\t-"}));
    EXPECT_FALSE(game->Folders.Item(key(game, "\\src"))->Expanded);

    select(key(game, "\\b.bb"));
    panel->cmdRemoveFile_Click();
    EXPECT_EQ(game->Files.Count(), 0) << "a member without a window goes too";
    EXPECT_TRUE(game->Dirty);
}

TEST_F(ProjectManagerTest, RemoveCategoryAsksOnlyWhenItHoldsSomething) {
    const ProjectPtr game = addProject("game", "game", {"\\a", "\\a\\b", "\\e"}, {{"\\x.bb", "\\a\\b"}});
    game->MainFile = QStringLiteral("X.bb");
    panel->PopulateTreeView(QString());
    select(key(game, "\\a"));
    scriptButton(platform::vbNo);
    panel->cmdRemoveCat_Click();
    EXPECT_EQ(prompts.last().text, "Are you sure you want to remove all files and subcategories ?");
    EXPECT_EQ(folderPaths(game).size(), 3);
    EXPECT_FALSE(game->Dirty);

    scriptButton(platform::vbYes);
    panel->cmdRemoveCat_Click();
    EXPECT_EQ(folderPaths(game), QStringList{"\\e"});
    EXPECT_EQ(game->Files.Count(), 0);
    EXPECT_TRUE(game->MainFile.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(homeFile("game/x.bb")));

    const int asked = int(prompts.size());
    select(key(game, "\\e"));
    panel->cmdRemoveCat_Click();
    EXPECT_EQ(prompts.size(), asked);
    EXPECT_EQ(treeLines(), QStringList{"game\tProject\t-"});
}

TEST_F(ProjectManagerTest, RenamingAMemberRenamesItsFileDocumentAndRecord) {
    const ProjectPtr game = addProject("game", "game", {}, {{"\\a.bb", ""}, {"\\b.bb", ""}});
    game->MainFile = QStringLiteral("a.bb");
    ASSERT_TRUE(OpenProjectsFile(*game, homeFile("game/a.bb"), false));
    frmDoc* doc = gActiveDoc;
    panel->PopulateTreeView(QString());
    QTreeWidgetItem* item = select(key(game, "\\a.bb"));

    EXPECT_FALSE(panel->tvProjects_AfterLabelEdit(item, "B.BB"));
    EXPECT_EQ(prompts.last().text, "File named B.BB already exists in this project");
    EXPECT_EQ(prompts.last().icon, platform::vbCritical);
    EXPECT_EQ(prompts.last().title, "Invalid name");
    EXPECT_TRUE(game->Dirty) << "a refused name still marks the project";
    EXPECT_FALSE(panel->tvProjects_AfterLabelEdit(item, "a.bb"));

    ASSERT_TRUE(panel->tvProjects_AfterLabelEdit(item, "c.bb"));
    EXPECT_FALSE(QFileInfo::exists(homeFile("game/a.bb")));
    EXPECT_EQ(memberNames(game), (QStringList{"b.bb|\\b.bb|", "c.bb|\\c.bb|"}));
    EXPECT_EQ(game->MainFile, "c.bb");
    EXPECT_EQ(doc->FullFilename, homeFile("game/c.bb"));
    EXPECT_EQ(captions(), QStringList{"c.bb"});
    EXPECT_TRUE(game->Sources.Exist_Key(homeFile("game/c.bb")));
    SciLoadText(doc->SciEdi_WndData, "Print 9");
    doc->setDirty(true);
    ASSERT_TRUE(SaveDocument(doc));
    EXPECT_TRUE(readAll(homeFile("game/c.bb")).startsWith("Print 9"));
}

TEST_F(ProjectManagerTest, RenamingACategoryRewritesItsSubtree) {
    const ProjectPtr game = addProject("game", "game", {"\\a", "\\a\\b", "\\c"}, {{"\\x.bb", "\\a\\b"}});
    panel->PopulateTreeView(QString());
    QTreeWidgetItem* item = select(key(game, "\\a"));
    EXPECT_FALSE(panel->tvProjects_AfterLabelEdit(item, "C"));
    EXPECT_EQ(prompts.last().text, "Folder named C already exists in this category");
    EXPECT_FALSE(panel->tvProjects_AfterLabelEdit(item, "p/q"));
    EXPECT_EQ(prompts.last().text, "Invalid category name: p/q");

    ASSERT_TRUE(panel->tvProjects_AfterLabelEdit(item, "z"));
    EXPECT_EQ(folderPaths(game), (QStringList{"\\c", "\\z", "\\z\\b"}));
    const FilePtr x = game->Files.Item("x.bb");
    EXPECT_EQ(x->PrjFolder, "\\z\\b");
    EXPECT_EQ(x->TreeParent, key(game, "\\z\\b"));
    EXPECT_EQ(x->AbsPath, "\\x.bb");
    EXPECT_TRUE(panel->node(key(game, "\\z\\b\\x.bb")));
}

TEST_F(ProjectManagerTest, RenameEditsTheLabelInPlaceAndARefusedNameGoesBack) {
    const ProjectPtr game = addProject("game", "game", {}, {{"\\a.bb", ""}, {"\\b.bb", ""}});
    panel->show();
    panel->PopulateTreeView(QString());
    auto edit = [this](const QString& text) {
        panel->cmdRenameFile_Click();
        auto* editor = panel->tvProjects->findChild<QLineEdit*>();
        ASSERT_TRUE(editor);
        editor->setText(text);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(editor, &enter);
        // The editor commits on a queued call, and the rename runs after it.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    };
    select(key(game, "\\a.bb"));
    edit("B.bb");
    ASSERT_FALSE(prompts.isEmpty());
    EXPECT_EQ(prompts.last().text, "File named B.bb already exists in this project");
    EXPECT_EQ(panel->node(key(game, "\\a.bb"))->text(0), "a.bb");

    select(key(game, "\\a.bb"));
    edit("c.bb");
    EXPECT_EQ(panel->node(key(game, "\\a.bb"))->text(0), "c.bb") << "the node keeps its key until the next rebuild";
    EXPECT_TRUE(QFileInfo::exists(homeFile("game/c.bb")));
}
