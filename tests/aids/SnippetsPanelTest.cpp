#include "aids/SnippetsFixture.h"

#include "aids/SnippetsTree.h"
#include "aids/frmSnipEdit.h"
#include "editor/SciWrappers.h"
#include "support/FakeHost.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>

namespace {

QString preview(const frmSnippets& panel) {
    return panel.rtfPreview->toPlainText();
}

}

TEST_F(SnippetsTest, ListsCategoriesThenSnippetsWithoutCaseAndOnlyBbFiles) {
    EXPECT_EQ(tree(), (QStringList{"Alpha|FolderClosed", "  Deep|FolderClosed", "  x|File", "zeta|FolderClosed", "A|File", "b|File"}));
    EXPECT_EQ(NodeKey(panel->node(snippets("Alpha/x"))), snippets("Alpha/x"));
    EXPECT_EQ(NodeFullPath(panel->node(snippets("Alpha/x"))), QStringLiteral("Alpha/x"));

    QDir(snippets()).removeRecursively();
    panel->ListSnippets();
    EXPECT_TRUE(tree().isEmpty());
}

TEST_F(SnippetsTest, PreviewShowsTheFirstThousandCharactersOrSaysTheFileIsGone) {
    EXPECT_EQ(preview(*panel), QStringLiteral("... Snippet Preview ..."));
    writeSnippet("long.bb", QByteArray(1000, 'a') + QByteArray(200, 'b'));
    writeSnippet("empty.bb", "");
    panel->ListSnippets();
    select("long");
    EXPECT_EQ(preview(*panel), QString(1000, QLatin1Char('a')));
    select("Alpha");
    EXPECT_EQ(preview(*panel), QString(1000, QLatin1Char('a')));
    select("empty");
    EXPECT_EQ(preview(*panel), QString());
    QFile::remove(snippets("b.bb"));
    select("b");
    EXPECT_EQ(preview(*panel), QStringLiteral("File does not exists... Please Refresh Snippets !"));
}

TEST_F(SnippetsTest, RefreshKeepsExpandedCategoriesAndDropsVanishedOnes) {
    panel->node(snippets("Alpha"))->setExpanded(true);
    panel->node(snippets("zeta"))->setExpanded(true);
    EXPECT_EQ(NodeImage(panel->node(snippets("Alpha"))), QStringLiteral("FolderOpen"));
    QDir(snippets("zeta")).removeRecursively();
    panel->DoMenuCommand("Refresh Snippets");
    EXPECT_EQ(tree(), (QStringList{"Alpha|FolderOpen", "  Deep|FolderClosed", "  x|File", "A|File", "b|File"}));
    EXPECT_TRUE(panel->node(snippets("Alpha"))->isExpanded());
    EXPECT_TRUE(prompts.isEmpty());
}

TEST_F(SnippetsTest, InsertSnippetReplacesTheSelectionByTheFileBytes) {
    writeSnippet("bytes.bb", "a\xE9\r\nb");
    writeSnippet("empty.bb", "");
    panel->ListSnippets();
    auto doc = openDocument("one two");
    SciSetSel(0, 3);
    select("bytes");
    panel->DoMenuCommand("Insert Snippet");
    EXPECT_EQ(documentText(), QByteArray("a\xE9\r\nb two"));
    EXPECT_EQ(SciGetCurrentPos(), 5);

    select("empty");
    panel->DoMenuCommand("Insert Snippet");
    EXPECT_EQ(documentText(), QByteArray("a\xE9\r\nb two"));

    QFile::remove(snippets("b.bb"));
    select("b");
    panel->DoMenuCommand("Insert Snippet");
    EXPECT_EQ(promptTexts(), QStringList{"File " + snippets("b.bb") + " does not exists!"});
    EXPECT_EQ(prompts.last().icon, platform::vbCritical);
}

TEST_F(SnippetsTest, InsertSnippetWithoutADocumentOrSelectionDoesNothing) {
    select("A");
    panel->DoMenuCommand("Insert Snippet");
    select(QString());
    for (const char* command : {"Insert Snippet", "Edit Snippet", "Edit As File", "Delete Snippet", "Unknown"})
        panel->DoMenuCommand(command);
    EXPECT_TRUE(prompts.isEmpty());
    EXPECT_FALSE(SnippetEditor());
}

TEST_F(SnippetsTest, NewSnippetOpensTheEditorInTheTargetCategoryOrReportsTheMissingFolder) {
    select("Alpha/x");
    panel->DoMenuCommand("New Snippet");
    ASSERT_TRUE(SnippetEditor());
    EXPECT_EQ(SnippetEditor()->windowTitle(), QStringLiteral("New Snippet"));
    EXPECT_EQ(SnippetEditor()->txtFolder->text(), QStringLiteral("Snippets/Alpha"));
    EXPECT_EQ(SnippetEditor()->txtName->text(), QStringLiteral("New Snippet"));
    SnippetEditor()->close();

    QDir(snippets()).removeRecursively();
    panel->ListSnippets();
    panel->DoMenuCommand("New Snippet");
    EXPECT_FALSE(SnippetEditor());
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].text, QStringLiteral("Parent Folder Snippets does not exists !"));
    EXPECT_EQ(prompts[0].icon, platform::vbCritical);
    EXPECT_EQ(prompts[0].title, QStringLiteral("Korvo"));

    panel->DoMenuCommand("Add Category");
    EXPECT_EQ(prompts.last().text, "Parent Folder " + snippets() + " does not exists !");
}

TEST_F(SnippetsTest, AddCategoryCreatesTheFolderBesideTheSelectedSnippetAndSelectsIt) {
    platform::PromptAnswer gfx;
    gfx.text = QStringLiteral("gfx");
    scriptAnswer(gfx);
    select("Alpha/x");
    panel->DoMenuCommand("Add Category");
    EXPECT_TRUE(QFileInfo(snippets("Alpha/gfx")).isDir());
    EXPECT_EQ(selectedKey(), snippets("Alpha/gfx"));

    scriptAnswer(gfx);
    select("Alpha/x");
    panel->DoMenuCommand("Add Category");
    EXPECT_EQ(prompts.last().text, QStringLiteral("Category with this name already exists !"));

    platform::PromptAnswer slash;
    slash.text = QStringLiteral("../out");
    scriptAnswer(slash);
    panel->DoMenuCommand("Add Category");
    EXPECT_EQ(prompts.last().text, QStringLiteral("Invalid category name: ../out"));
    EXPECT_EQ(prompts.last().icon, platform::vbExclamation);
    EXPECT_FALSE(QFileInfo::exists(snippets("out")));
    EXPECT_FALSE(QFileInfo::exists(home() + "/out"));
}

TEST_F(SnippetsTest, DeleteAsksFirstAndRemovesTheFileOrTheWholeCategory) {
    select("A");
    scriptButton(platform::vbNo);
    panel->DoMenuCommand("Delete Snippet");
    EXPECT_TRUE(QFileInfo::exists(snippets("A.bb")));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Are you sure you want to delete this file ?"));
    EXPECT_EQ(prompts.last().buttons, platform::vbYesNo);
    EXPECT_EQ(prompts.last().icon, platform::vbQuestion);

    scriptButton(platform::vbYes);
    panel->DoMenuCommand("Delete Snippet");
    EXPECT_FALSE(QFileInfo::exists(snippets("A.bb")));

    select("Alpha");
    scriptButton(platform::vbYes);
    panel->DoMenuCommand("Delete Snippet");
    EXPECT_EQ(prompts.last().text, QStringLiteral("Are you sure you want to delete this Folder ?"));
    EXPECT_FALSE(QFileInfo::exists(snippets("Alpha")));
    EXPECT_EQ(tree(), (QStringList{"zeta|FolderClosed", "b|File"}));
}

TEST_F(SnippetsTest, RightClickEnablesThePopupCommandsBySelection) {
    FakeHost host;
    select("A");
    panel->tvSnippets_RightMouseUp();
    for (const char* key : {"Edit Snippet", "Edit As File", "Insert Snippet", "Delete Snippet"})
        EXPECT_TRUE(host.commandEnabled(key)) << key;
    select("Alpha");
    panel->tvSnippets_RightMouseUp();
    for (const char* key : {"Edit Snippet", "Edit As File", "Insert Snippet"})
        EXPECT_FALSE(host.commandEnabled(key)) << key;
    EXPECT_TRUE(host.commandEnabled("Delete Snippet"));
    panel->tvSnippets_MouseDown(QPoint(5, 5000));
    panel->tvSnippets_RightMouseUp();
    EXPECT_FALSE(host.commandEnabled("Delete Snippet"));
}

TEST_F(SnippetsTest, ANodeDraggedOntoACategoryMovesUnlessTheNameIsTaken) {
    QTreeWidgetItem* alpha = panel->node(snippets("Alpha"));
    std::unique_ptr<QMimeData> data(panel->dragNode(panel->node(snippets("A"))));
    EXPECT_EQ(data->text(), QStringLiteral("Print \"A\"\r\n"));
    EXPECT_EQ(panel->tvSnippets_OLEDragOver(panel->node(snippets("b")), *data), Qt::IgnoreAction);
    EXPECT_EQ(panel->tvSnippets_OLEDragOver(alpha, *data), Qt::MoveAction);
    EXPECT_EQ(panel->dropHighlight(), alpha);
    panel->tvSnippets_OLEDragDrop(alpha, *data);
    EXPECT_FALSE(panel->dropHighlight());
    EXPECT_EQ(readAll(snippets("Alpha/A.bb")), "Print \"A\"\r\n");
    EXPECT_FALSE(QFileInfo::exists(snippets("A.bb")));
    EXPECT_EQ(selectedKey(), snippets("Alpha/A"));

    writeSnippet("x.bb", "top x");
    panel->ListSnippets();
    data.reset(panel->dragNode(panel->node(snippets("x"))));
    panel->tvSnippets_OLEDragDrop(panel->node(snippets("Alpha")), *data);
    EXPECT_EQ(prompts.last().text, QStringLiteral("File with this name already exists on this location !"));
    EXPECT_EQ(readAll(snippets("x.bb")), "top x");
    EXPECT_EQ(readAll(snippets("Alpha/x.bb")), "x text");
}

TEST_F(SnippetsTest, ACategoryIsNeverDroppedIntoItsOwnSubtree) {
    QTreeWidgetItem* alpha = panel->node(snippets("Alpha"));
    std::unique_ptr<QMimeData> data(panel->dragNode(alpha));
    EXPECT_EQ(data->text(), QStringLiteral("Alpha"));
    for (QTreeWidgetItem* target : {alpha, panel->node(snippets("Alpha/Deep"))}) {
        data.reset(panel->dragNode(alpha));
        EXPECT_EQ(panel->tvSnippets_OLEDragOver(target, *data), Qt::IgnoreAction);
        EXPECT_FALSE(panel->dropHighlight());
        data.reset(panel->dragNode(alpha));
        panel->tvSnippets_OLEDragDrop(target, *data);
        EXPECT_TRUE(QFileInfo(snippets("Alpha/Deep")).isDir());
    }
    data.reset(panel->dragNode(panel->node(snippets("Alpha"))));
    panel->tvSnippets_OLEDragDrop(panel->node(snippets("zeta")), *data);
    EXPECT_TRUE(QFileInfo(snippets("zeta/Alpha/x.bb")).isFile());
    EXPECT_EQ(selectedKey(), snippets("zeta/Alpha"));
    EXPECT_TRUE(prompts.isEmpty());
}

TEST_F(SnippetsTest, TextDroppedFromElsewhereOpensTheEditorUnlessItIsShowing) {
    QMimeData text;
    text.setText(QStringLiteral("Graphics 640,480\nCls"));
    EXPECT_EQ(panel->tvSnippets_OLEDragOver(panel->node(snippets("zeta")), text), Qt::CopyAction);
    EXPECT_EQ(panel->dropHighlight(), panel->node(snippets("zeta")));
    panel->tvSnippets_OLEDragDrop(panel->node(snippets("zeta")), text);
    ASSERT_TRUE(SnippetEditor());
    EXPECT_EQ(SnippetEditor()->txtFolder->text(), QStringLiteral("Snippets/zeta"));
    EXPECT_EQ(SnippetEditor()->txtName->text(), QStringLiteral("Graphics 640,480"));
    EXPECT_TRUE(SnippetEditor()->Timer->isActive());

    QMimeData other;
    other.setText(QStringLiteral("other"));
    panel->tvSnippets_OLEDragDrop(panel->node(snippets("A")), other);
    EXPECT_EQ(SnippetEditor()->txtName->text(), QStringLiteral("Graphics 640,480"));
    SnippetEditor()->close();

    panel->tvSnippets_OLEDragDrop(panel->node(snippets("A")), other);
    ASSERT_TRUE(SnippetEditor());
    EXPECT_EQ(SnippetEditor()->txtFolder->text(), QStringLiteral("Snippets"));
    EXPECT_EQ(panel->tvSnippets_OLEDragOver(nullptr, QMimeData()), Qt::IgnoreAction);
}
