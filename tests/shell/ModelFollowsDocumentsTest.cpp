#include "shell/MainWindowFixture.h"

#include "build/CompilerList.h"
#include "build/KeywordRefresh.h"
#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"
#include "explorer/CodeListView.h"
#include "explorer/frmList.h"
#include "files/OpenDocuments.h"
#include "files/Project.h"
#include "language/keywords/KeywordFiles.h"
#include "language/model/ModelDump.h"
#include "platform/ProgramFolder.h"
#include "platform/dock/DockLayer.h"

#include "support/StandIn.h"

#include <QDir>

// The code model and the code explorer follow the keywords a document is
// parsed under and the documents that are open.
namespace {

class ModelFollowsDocuments : public MainWindowTest {
protected:
    // The rows shown, without asking the explorer to catch up first.
    static QStringList explorerRows(const QString& list) {
        frmList* lists = frmList::Instance();
        if (!lists)
            return {QStringLiteral("no code explorer")};
        QStringList rows;
        const CodeListView& view = *lists->list(list);
        for (int i = 0; i < view.count(); ++i)
            rows << view.at(i)->name();
        return rows;
    }
    QByteArray errorLog() const { return readAll(platform::programFolder() + QStringLiteral("/error.log")); }
};

const QByteArray kProgram = "Function AddPoint.Point(px, py)\r\nEnd Function\r\nGlobal g\r\n";

}

TEST_F(ModelFollowsDocuments, PickingACompilerWithKeywordsInTheCompilerBoxParsesTheOpenFile) {
    auto keyed = std::make_shared<ClsCompiler>();
    keyed->Name = QStringLiteral("Keyed");
    ASSERT_TRUE(keyed->LoadKeywordsFromText(keywordFileText({"Global"})));
    gCompilers.Add(keyed, keyed->Name);
    openText(kProgram);
    EXPECT_EQ(DumpModel(gActiveProject->Model, *gActiveDoc), QStringList());

    main->DS->command(QStringLiteral("cboCompilers")).setText(QStringLiteral("Keyed"));
    main->DS->click(main->DS->command(QStringLiteral("cboCompilers")));
    EXPECT_EQ(DumpModel(gActiveProject->Model, *gActiveDoc),
              QStringList({"Funkcii AddPoint.Point help=\"px, py\" line=0", "Locals/AddPoint px% line=0",
                           "Locals/AddPoint py% line=0", "Globals g% line=2"}));
    EXPECT_EQ(errorLog(), "");
}

TEST_F(ModelFollowsDocuments, CloseAllFilesEmptiesTheCodeExplorer) {
    auto keyed = std::make_shared<ClsCompiler>();
    ASSERT_TRUE(keyed->LoadKeywordsFromText(keywordFileText({"Global"})));
    keyed->Name = QStringLiteral("Blitz");
    gCompilers.RemoveAll();
    gCompilers.Add(keyed, keyed->Name);
    openText(kProgram);
    frmList::LastConstruct = QStringLiteral("Globals");
    platform::host().refreshCodeExplorer();
    EXPECT_EQ(explorerRows(QStringLiteral("Globals")), QStringList({"g%"}));

    main->DS->click(main->DS->command(QStringLiteral("Close All Files")));
    EXPECT_EQ(gProjects.Count(), 0);
    EXPECT_EQ(explorerRows(QStringLiteral("Globals")), QStringList());
}

TEST_F(ModelFollowsDocuments, AProjectFileActivatedUnderAnotherCompilerIsParsedUnderItsKeywords) {
    auto keyed = std::make_shared<ClsCompiler>();
    keyed->Name = QStringLiteral("Keyed");
    ASSERT_TRUE(keyed->LoadKeywordsFromText(keywordFileText({"Global"})));
    auto bare = std::make_shared<ClsCompiler>();
    bare->Name = QStringLiteral("Bare");
    bare->KeywordsLoaded = true;
    gCompilers.Add(keyed, keyed->Name);
    gCompilers.Add(bare, bare->Name);
    QDir(home()).mkpath(QStringLiteral("game"));
    auto project = std::make_shared<ClsProject>();
    project->FullPath = homeFile("game/game.kpf");
    project->Name = QStringLiteral("game");
    project->Path = homeFile("game/");
    project->Compiler = QStringLiteral("Bare");
    for (const char* name : {"main.bb", "util.bb"}) {
        auto file = std::make_shared<clsFile>();
        file->Name = QString::fromLatin1(name);
        file->AbsPath = QLatin1Char('\\') + file->Name;
        DodajFileSorted(file, *project);
        writeAll(MemberDiskPath(*project, *file), kProgram);
    }
    gProjects.Add(project, project->FullPath);
    ASSERT_TRUE(OpenProjectsFile(*project, homeFile("game/main.bb"), false));
    frmDoc* mainFile = gActiveDoc;
    ASSERT_TRUE(OpenProjectsFile(*project, homeFile("game/util.bb"), false));
    EXPECT_EQ(DumpModel(project->Model, *mainFile), QStringList());

    project->Compiler = QStringLiteral("Keyed");
    main->DS->documents().activate(*main->DS->documents().find(homeFile("game/main.bb")));
    ASSERT_EQ(gActiveDoc, mainFile);
    EXPECT_EQ(DumpModel(project->Model, *mainFile),
              QStringList({"Funkcii AddPoint.Point help=\"px, py\" line=0", "Locals/AddPoint px% line=0",
                           "Locals/AddPoint py% line=0", "Globals g% line=2"}));
    EXPECT_EQ(mainFile->CompilerUsed, QStringLiteral("Keyed"));
    EXPECT_EQ(errorLog(), "");
}

TEST_F(ModelFollowsDocuments, RefreshedDefinitionsOfTheActiveCompilerReparseTheOpenFile) {
    StandInInstallation installation;
    QTemporaryDir listingDir;
    const QString listing = listingDir.path() + QStringLiteral("/listing.txt");
    writeAll(listing, keywordFileText({"Global"}));
    const ScopedVariable keywords("BLITZCC_KEYWORDS", listing.toUtf8());
    QDir(home()).mkpath(QStringLiteral("conf"));
    openText(kProgram);
    EXPECT_EQ(DumpModel(gActiveProject->Model, *gActiveDoc), QStringList());

    RefreshDefinitions(QStringLiteral("Blitz"), installation.path());
    EXPECT_EQ(DumpModel(gActiveProject->Model, *gActiveDoc),
              QStringList({"Funkcii AddPoint.Point help=\"px, py\" line=0", "Locals/AddPoint px% line=0",
                           "Locals/AddPoint py% line=0", "Globals g% line=2"}));
    EXPECT_EQ(errorLog(), "");
}
