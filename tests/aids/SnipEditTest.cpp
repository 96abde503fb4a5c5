#include "aids/SnippetsFixture.h"

#include "aids/frmSnipEdit.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

class SnipEditTest : public SnippetsTest {
protected:
    frmSnipEdit& editNew(const QString& text, const QString& folder = QStringLiteral("Snippets")) {
        frmSnipEdit* editor = ShowSnippetEditor();
        editor->StartNew(text, folder);
        return *editor;
    }
    frmSnipEdit& edit(const QString& folder, const QString& name) {
        frmSnipEdit* editor = ShowSnippetEditor();
        editor->StartEdit(folder, name);
        return *editor;
    }
    static void ok(frmSnipEdit& editor) { editor.cmdSave->click(); }
    static bool open() { return SnippetEditor() && SnippetEditor()->isVisible(); }
};

}

TEST_F(SnipEditTest, ProposesTheFirstLineCutAtTwentyFiveCharacters) {
    EXPECT_EQ(ProposedSnippetName(QStringLiteral("New Snippet")), QStringLiteral("New Snippet"));
    EXPECT_EQ(ProposedSnippetName(QString(30, QLatin1Char('n'))), QString(25, QLatin1Char('n')));
    EXPECT_EQ(ProposedSnippetName(QStringLiteral("Cls\r\nFlip")), QStringLiteral("Cls"));
    EXPECT_EQ(ProposedSnippetName(QStringLiteral("a\x1f" "b\tc")), QStringLiteral("a\x1f" "b"));
    EXPECT_EQ(ProposedSnippetName(QStringLiteral("\tindented")), QString());
}

TEST_F(SnipEditTest, ANewSnippetIsWrittenWithCrLfAndSelected) {
    frmSnipEdit& editor = editNew(QStringLiteral("Graphics 640,480\nCls \xE9"), QStringLiteral("Snippets/zeta"));
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("New Snippet"));
    EXPECT_EQ(editor.txtName->selectedText(), QStringLiteral("Graphics 640,480"));
    editor.txtName->setText(QStringLiteral("gfx"));
    ok(editor);
    EXPECT_EQ(readAll(snippets("zeta/gfx.bb")), QByteArray("Graphics 640,480\r\nCls \xE9"));
    EXPECT_EQ(selectedKey(), snippets("zeta/gfx"));
    EXPECT_FALSE(open());
}

TEST_F(SnipEditTest, AnEmptyNameClosesWithoutWriting) {
    frmSnipEdit& editor = editNew(QStringLiteral("\tFlip"));
    EXPECT_EQ(editor.txtName->text(), QString());
    ok(editor);
    EXPECT_FALSE(open());
    EXPECT_EQ(tree().size(), 6);
    EXPECT_TRUE(prompts.isEmpty());
}

TEST_F(SnipEditTest, ATakenNameAsksBeforeOverwriting) {
    frmSnipEdit& editor = editNew(QStringLiteral("new text"));
    editor.txtName->setText(QStringLiteral("A"));
    scriptButton(platform::vbNo);
    ok(editor);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Snippet with this name already exists in this folder! Do you want to overwrite it ?"));
    EXPECT_EQ(prompts.last().icon, platform::vbExclamation);
    EXPECT_EQ(readAll(snippets("A.bb")), "Print \"A\"\r\n");
    EXPECT_TRUE(open());

    scriptButton(platform::vbYes);
    ok(editor);
    EXPECT_EQ(readAll(snippets("A.bb")), "new text");
    EXPECT_FALSE(open());
}

TEST_F(SnipEditTest, NewSnippetKeepsTheTextOfTheSnippetShown) {
    edit(QStringLiteral("Snippets/Alpha"), QStringLiteral("x"));
    frmSnipEdit& editor = editNew(QStringLiteral("New Snippet"));
    EXPECT_EQ(editor.rtfCode->toPlainText(), QStringLiteral("x text"));
    EXPECT_EQ(editor.txtFolder->text(), QStringLiteral("Snippets"));
}

TEST_F(SnipEditTest, EditingMovesRenamesOrRewritesOnlyWhatChanged) {
    frmSnipEdit* editor = &edit(QStringLiteral("Snippets/Alpha"), QStringLiteral("x"));
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Edit Snippet"));
    const QDateTime written = QFileInfo(snippets("Alpha/x.bb")).lastModified();
    ok(*editor);
    EXPECT_EQ(QFileInfo(snippets("Alpha/x.bb")).lastModified(), written);

    editor = &edit(QStringLiteral("Snippets/Alpha"), QStringLiteral("x"));
    editor->txtFolder->setText(QStringLiteral("Snippets"));
    ok(*editor);
    EXPECT_EQ(readAll(snippets("x.bb")), "x text");
    EXPECT_FALSE(QFileInfo::exists(snippets("Alpha/x.bb")));
    EXPECT_EQ(selectedKey(), snippets("x"));
    EXPECT_FALSE(panel->tvSnippets->currentItem()->parent());

    editor = &edit(QStringLiteral("Snippets"), QStringLiteral("x"));
    editor->txtName->setText(QStringLiteral("A"));
    scriptButton(platform::vbNo);
    ok(*editor);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Snippet with this name already exists in this folder! Do you want to overwrite it ?"));
    EXPECT_EQ(readAll(snippets("A.bb")), "Print \"A\"\r\n");
    EXPECT_TRUE(QFileInfo::exists(snippets("x.bb")));

    editor->txtFolder->setText(QStringLiteral("Snippets\\"));
    editor->txtName->setText(QStringLiteral("x"));
    ok(*editor);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Invalid File Name"));

    writeSnippet("Alpha/y.bb", "y text");
    frmSnipEdit& alias = edit(QStringLiteral("Snippets/Alpha"), QStringLiteral("y"));
    alias.txtFolder->setText(QStringLiteral("Snippets\\Alpha"));
    ok(alias);
    EXPECT_EQ(readAll(snippets("Alpha/y.bb")), "y text");

    editor = &edit(QStringLiteral("Snippets"), QStringLiteral("x"));
    editor->txtName->setText(QStringLiteral("X"));
    editor->rtfCode->setPlainText(QStringLiteral("X text"));
    ok(*editor);
    EXPECT_EQ(readAll(snippets("X.bb")), "X text");
    EXPECT_FALSE(QFileInfo::exists(snippets("x.bb")));
}

TEST_F(SnipEditTest, NamesAndFoldersThatLeaveTheSnippetsFolderAreRefused) {
    for (const auto& [folder, name] : {std::pair{"Snippets", "../escape"}, std::pair{"Snippets", "a\\b"},
                                       std::pair{"Snippets/..", "escape"}, std::pair{"conf", "escape"},
                                       std::pair{"Snippets/missing", "m"}}) {
        frmSnipEdit& editor = editNew(QStringLiteral("text"));
        editor.txtFolder->setText(QLatin1String(folder));
        editor.txtName->setText(QLatin1String(name));
        ok(editor);
        EXPECT_EQ(prompts.last().text, QStringLiteral("Invalid File Name")) << folder << name;
        EXPECT_TRUE(open());
    }
    EXPECT_FALSE(QFileInfo::exists(home() + "/escape.bb"));
    EXPECT_FALSE(QFileInfo::exists(home() + "/conf/escape.bb"));
}

TEST_F(SnipEditTest, EditingAVanishedSnippetSaysWhereItWasAndCloses) {
    QFile::remove(snippets("A.bb"));
    edit(QStringLiteral("Snippets"), QStringLiteral("A"));
    EXPECT_EQ(prompts.last().text, "Selected file does not exists on location:\r\n" + snippets("A.bb"));
    EXPECT_EQ(prompts.last().icon, platform::vbCritical);
    EXPECT_FALSE(open());
}

TEST_F(SnipEditTest, BrowseTakesOnlyFoldersInsideTheProgramFolder) {
    frmSnipEdit& editor = editNew(QStringLiteral("New Snippet"));
    platform::PromptAnswer inside;
    inside.text = snippets("Alpha/Deep");
    scriptAnswer(inside);
    editor.cmdBrowse_Click();
    EXPECT_EQ(prompts.last().title, QStringLiteral("Please select a folder"));
    EXPECT_EQ(prompts.last().defaultText, snippets());
    EXPECT_EQ(editor.txtFolder->text(), QStringLiteral("Snippets/Alpha/Deep"));
    platform::PromptAnswer outside;
    outside.text = QStringLiteral("/tmp");
    scriptAnswer(outside);
    editor.cmdBrowse_Click();
    EXPECT_EQ(editor.txtFolder->text(), QStringLiteral("Snippets/Alpha/Deep"));
}
