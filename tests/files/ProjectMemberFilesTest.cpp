#include "files/DocumentFilesFixture.h"

#include "editor/ActiveDocument.h"
#include "files/OpenDocuments.h"
#include "files/Project.h"
#include "files/SaveDocuments.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "vocabulary/StyleNumbers.h"

#include <QDir>

namespace {

class ProjectMemberFilesTest : public DocumentFilesTest {
protected:
    void SetUp() override {
        DocumentFilesTest::SetUp();
        QDir().mkpath(homeFile("game/src"));
        project = std::make_shared<ClsProject>();
        project->FullPath = homeFile("game/game.kpf");
        project->Name = QStringLiteral("game");
        project->Path = homeFile("game/");
        project->Compiler = QStringLiteral("BlitzCC");
        for (const char* name : {"main.bb", "util.bb"}) {
            auto file = std::make_shared<clsFile>();
            file->Name = QString::fromLatin1(name);
            file->AbsPath = QLatin1Char('\\') + file->Name;
            DodajFileSorted(file, *project);
            writeAll(MemberDiskPath(*project, *file), "; " + QByteArray(name));
        }
        project->MainFile = QStringLiteral("main.bb");
        gProjects.Add(project, project->FullPath);
    }

    ProjectPtr project;
};

}

TEST_F(ProjectMemberFilesTest, AReloadedMemberStaysInItsProject) {
    ASSERT_TRUE(OpenProjectsFile(*project, homeFile("game/main.bb"), false));
    frmDoc* doc = gActiveDoc;
    EXPECT_FALSE(doc->SingleFile);
    EXPECT_EQ(doc->CompilerUsed, "BlitzCC");
    SciLoadText(doc->SciEdi_WndData, "; edited");
    doc->setDirty(true);

    scriptButton(platform::vbYes);
    EXPECT_TRUE(OpenFile(homeFile("game/main.bb")));
    frmDoc* reloaded = gActiveDoc;
    EXPECT_FALSE(reloaded->SingleFile);
    EXPECT_EQ(reloaded->PrjFullPath, project->FullPath);
    EXPECT_EQ(project->Sources.NewEnum(), QList<frmDoc*>{reloaded});
    EXPECT_EQ(gProjects.Count(), 1);

    close(reloaded);
    EXPECT_EQ(project->Sources.Count(), 0);
}

TEST_F(ProjectMemberFilesTest, SaveAsKeepsAMemberInsideItsProject) {
    ASSERT_TRUE(OpenProjectsFile(*project, homeFile("game/main.bb"), false));
    frmDoc* doc = gActiveDoc;
    auto answer = [this](const QString& path) {
        platform::PromptAnswer a;
        a.text = path;
        scriptAnswer(a);
    };

    answer(homeFile("elsewhere.bb"));
    EXPECT_FALSE(SaveDocumentAs(doc));
    EXPECT_EQ(prompts.last().text, "Project Files must be saved in the project's (sub)folder !");
    answer(homeFile("game/UTIL.bb"));
    EXPECT_FALSE(SaveDocumentAs(doc));
    EXPECT_EQ(prompts.last().text, "File named UTIL.bb already exists in this project");
    EXPECT_EQ(prompts.last().title, "Invalid name");

    answer(homeFile("game/src/start.bb"));
    ASSERT_TRUE(SaveDocumentAs(doc));
    const FilePtr member = project->Files.Item("start.bb");
    ASSERT_TRUE(member);
    EXPECT_EQ(member->AbsPath, "\\src\\start.bb");
    EXPECT_EQ(MemberDiskPath(*project, *member), homeFile("game/src/start.bb"));
    EXPECT_FALSE(project->Files.Exist_Key("main.bb"));
    EXPECT_EQ(project->MainFile, "start.bb");
    EXPECT_TRUE(project->Dirty);
    EXPECT_TRUE(project->Sources.Exist_Key(homeFile("game/src/start.bb")));
    EXPECT_EQ(host.windows[0].key, homeFile("game/src/start.bb"));
}

TEST_F(ProjectMemberFilesTest, TheOpenDialogOpensEveryChosenFileInItsOrder) {
    platform::PromptAnswer chosen;
    chosen.paths = QStringList{homeFile("game/util.bb"), homeFile("game/main.bb")};
    scriptAnswer(chosen);
    EXPECT_FALSE(OpenFile());
    EXPECT_TRUE(prompts[0].multiple);
    EXPECT_EQ(prompts[0].title, "Open File");
    EXPECT_EQ(captions(), (QStringList{"util.bb", "main.bb"}));
}

TEST_F(ProjectMemberFilesTest, AMemberIsFirstStyledAsItOpens) {
    writeAll(homeFile("game/util.bb"), "x = \"s\" + 12 ; note\r\n.start\r\n");
    ASSERT_TRUE(OpenProjectsFile(*project, homeFile("game/util.bb"), false));
    const SciHandle view = gActiveDoc->SciEdi_WndData;
    const auto styleAt = [&](long position) { return int(SciDirect(view, QsciScintillaBase::SCI_GETSTYLEAT, uptr_t(position))); };
    EXPECT_EQ(styleAt(0), STYLE_Text);
    EXPECT_EQ(styleAt(2), STYLE_Operator);
    for (long position = 4; position <= 6; ++position)
        EXPECT_EQ(styleAt(position), STYLE_String) << position;
    EXPECT_EQ(styleAt(8), STYLE_Operator);
    EXPECT_EQ(styleAt(10), STYLE_Number);
    EXPECT_EQ(styleAt(11), STYLE_Number);
    EXPECT_EQ(styleAt(14), STYLE_Comment);
    EXPECT_EQ(styleAt(18), STYLE_Comment);
    EXPECT_TRUE(project->Model.Labels.ExistsOnlyHash(QStringLiteral("start")));
    close(gActiveDoc);
}
