#include "shell/MainWindowFixture.h"

#include "build/CompilerList.h"
#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"
#include "explorer/CodeListView.h"
#include "explorer/frmList.h"
#include "files/Project.h"
#include "language/keywords/KeywordFiles.h"
#include "language/model/ModelDump.h"
#include "platform/ProgramFolder.h"
#include "platform/dock/DockLayer.h"

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
