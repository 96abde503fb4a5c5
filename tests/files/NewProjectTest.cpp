#include "files/DocumentFilesFixture.h"

#include "editor/ActiveDocument.h"
#include "files/Project.h"
#include "files/frmNewProject.h"

#include <QLineEdit>

namespace {

class NewProjectTest : public DocumentFilesTest {
protected:
    void chooseSavePath(const QString& path) {
        platform::PromptAnswer answer;
        answer.text = path;
        scriptAnswer(answer);
    }
};

}

TEST_F(NewProjectTest, CreateWritesAnEmptyProjectAndOpensIt) {
    frmNewProject form;
    form.txtName->setText(QStringLiteral("new"));
    form.txtPath->setText(home());
    chooseSavePath(homeFile("new"));
    form.OKButton_Click();
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].title, "Save Project in ...");
    EXPECT_EQ(prompts[0].defaultText, homeFile("new"));
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(readAll(homeFile("new.kpf")),
              "[Korvo Project file]\r\n<Settings>\r\n Version=\"1\"\r\n Expanded=\"False\"\r\n Icon=\"\"\r\n"
              " MainFile=\"\"\r\n Compiler=\"Blitz\"\r\n CommandLine=\"\"\r\n</Settings>\r\n<Folders>\r\n</Folders>\r\n"
              "<Files>\r\n</Files>\r\n");
    const ProjectPtr project = gProjects.Item(homeFile("new.kpf"));
    ASSERT_TRUE(project);
    EXPECT_EQ(project->Name, "new");
    EXPECT_EQ(gActiveProject, project);
    EXPECT_EQ(host.commandListItems(QStringLiteral("FileRecentProjects")).value(0).key, homeFile("new.kpf"));
}

TEST_F(NewProjectTest, AnOpenProjectOrAFailedWriteLeavesTheDialogOpen) {
    frmNewProject form;
    chooseSavePath(homeFile("new.kpf"));
    form.OKButton_Click();
    const QByteArray written = readAll(homeFile("new.kpf"));
    prompts.clear();
    frmNewProject again;
    chooseSavePath(homeFile("new.kpf"));
    again.OKButton_Click();
    ASSERT_EQ(prompts.size(), 2);
    EXPECT_EQ(prompts[1].text, "You can't overwrite a project that is loaded in Korvo !");
    EXPECT_EQ(prompts[1].title, "Can't create project");
    EXPECT_EQ(prompts[1].icon, platform::vbCritical);
    EXPECT_EQ(again.result(), QDialog::Rejected);
    EXPECT_EQ(gProjects.Count(), 1);

    writeAll(homeFile("blocker"), "");
    chooseSavePath(homeFile("blocker/p.kpf"));
    again.OKButton_Click();
    EXPECT_EQ(gProjects.Count(), 1);
    EXPECT_FALSE(gProjects.Exist_Key(homeFile("blocker/p.kpf")));
    EXPECT_EQ(readAll(homeFile("new.kpf")), written);

    platform::PromptAnswer cancelled;
    cancelled.accepted = false;
    scriptAnswer(cancelled);
    prompts.clear();
    again.cmdBrowse_Click();
    EXPECT_EQ(prompts.size(), 1);
    EXPECT_EQ(again.txtPath->text(), "");
}
