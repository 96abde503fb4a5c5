#include "explorer/ExplorerFixture.h"

#include "editor/ActiveDocument.h"
#include "editor/SciWrappers.h"
#include "files/Project.h"
#include "language/parser/Unparse.h"
#include "vocabulary/SettingsValues.h"

namespace {

const QByteArray kProgram = "Global score%, pos#[10], hero.Ship\r\n"
                            "Type Ship\r\n"
                            "Field x#, tag$\r\n"
                            "End Type\r\n"
                            "Dim grid.Ship(5)\r\n"
                            "Const MAX = 10\r\n"
                            "Local count\r\n"
                            "Function Update%(s.Ship, dt#)\r\n"
                            "Local i\r\n"
                            "End Function\r\n"
                            "Function alpha()\r\n"
                            "End Function\r\n";

QStringList companionTexts(const CodeListView& view) {
    QStringList out;
    for (int i = 0; i < view.count(); ++i)
        out << view.at(i)->name();
    return out;
}

}

TEST_F(ExplorerTest, EachListShowsItsDeclarationsInNameOrderWithTheirCompanions) {
    parse(kProgram);
    for (const char* list : {"Globals", "Types", "Arrays", "Constants", "Labels", "Includes", "Functions"})
        click(QString::fromLatin1(list));
    EXPECT_EQ(rowsWithFile(QStringLiteral("Functions")),
              (QStringList{"*Main Program*|", "alpha%|test.bb", "Update%|test.bb"}));
    EXPECT_EQ(texts(QStringLiteral("Globals")), (QStringList{"hero.Ship", "pos#[10]", "score%"}));
    EXPECT_EQ(texts(QStringLiteral("Arrays")), QStringList{"grid.Ship"});
    EXPECT_EQ(texts(QStringLiteral("Constants")), QStringList{"MAX%"});
    EXPECT_EQ(texts(QStringLiteral("Types")), QStringList{"Ship"});
    EXPECT_TRUE(texts(QStringLiteral("Labels")).isEmpty());

    lists->lvFunctions_ItemClick(row(QStringLiteral("Functions"), QStringLiteral("*Main Program*")));
    EXPECT_EQ(companionTexts(*lists->lvLocals()), QStringList{"count%"});
    lists->lvFunctions_ItemClick(row(QStringLiteral("Functions"), QStringLiteral("Update%")));
    EXPECT_EQ(companionTexts(*lists->lvLocals()), (QStringList{"dt#", "i%", "s.Ship"}));
    lists->lvFunctions_ItemClick(row(QStringLiteral("Functions"), QStringLiteral("alpha%")));
    EXPECT_TRUE(companionTexts(*lists->lvLocals()).isEmpty());
    lists->lvTypes_ItemClick(row(QStringLiteral("Types"), QStringLiteral("Ship")));
    EXPECT_EQ(companionTexts(*lists->lvFields()), (QStringList{"tag$", "x#"}));
    EXPECT_EQ(lists->shownControlName(), QStringLiteral("SplitterFunctions"));
    EXPECT_TRUE(prompts.isEmpty());
}

TEST_F(ExplorerTest, UnsortedFunctionsInFileScopeFollowTheLinesWithoutTheFileColumn) {
    parse(kProgram);
    gUnsortedFunctions = 1;
    click(QStringLiteral("Functions"));
    click(QStringLiteral("File"));
    EXPECT_EQ(texts(QStringLiteral("Functions")), (QStringList{"Update%", "alpha%"}));
    EXPECT_TRUE(shown().isColumnHidden(1));
    EXPECT_TRUE(checked(QStringLiteral("File")));
    EXPECT_FALSE(checked(QStringLiteral("Project")));
    click(QStringLiteral("Project"));
    EXPECT_EQ(texts(QStringLiteral("Functions")), (QStringList{"*Main Program*", "alpha%", "Update%"}));
    EXPECT_FALSE(shown().isColumnHidden(1));
}

TEST_F(ExplorerTest, ARefreshChangesOnlyTheItemsWhoseDeclarationsCameOrWent) {
    parse(kProgram);
    click(QStringLiteral("Globals"));
    QList<CodeListItem*> before;
    for (int i = 0; i < shown().count(); ++i)
        before << shown().at(i);
    before[1]->setSelected(true);

    const int last = int(SciGetLineCount()) - 1;
    typeLinesAt(last, "Global zz\r\n");
    lists->PuniLista();
    EXPECT_EQ(texts(QStringLiteral("Globals")), (QStringList{"hero.Ship", "pos#[10]", "score%", "zz%"}));
    for (int i = 0; i < before.size(); ++i)
        EXPECT_EQ(shown().at(i), before[i]);
    EXPECT_EQ(shown().selectedRow(), before[1]);

    UnparseLine(last, false);
    SciSetSel(SciPositionFromLine(last), SciPositionFromLine(last + 1));
    SciReplaceSel("");
    lists->PuniLista();
    EXPECT_EQ(texts(QStringLiteral("Globals")), (QStringList{"hero.Ship", "pos#[10]", "score%"}));
    for (int i = 0; i < before.size(); ++i)
        EXPECT_EQ(shown().at(i), before[i]);
    EXPECT_FALSE(project().GlobalsDirty);
}

TEST_F(ExplorerTest, AFunctionOfTwoDocumentsIsListedTwiceAndLeavesByItsOwnDeclaration) {
    frmDoc& first = parse("Function twin()\r\nEnd Function\r\n", QStringLiteral("one.bb"));
    frmDoc& second = parseInProjectOf(first, "Function twin()\r\nEnd Function\r\n", QStringLiteral("two.bb"));
    click(QStringLiteral("Functions"));
    EXPECT_EQ(rowsWithFile(QStringLiteral("Functions")), (QStringList{"*Main Program*|", "twin%|one.bb", "twin%|two.bb"}));
    CodeListItem* kept = row(QStringLiteral("Functions"), QStringLiteral("twin%"));

    makeCurrent(second);
    UnparseLine(0, false);
    lists->PuniLista();
    EXPECT_EQ(rowsWithFile(QStringLiteral("Functions")), (QStringList{"*Main Program*|", "twin%|one.bb"}));
    EXPECT_EQ(row(QStringLiteral("Functions"), QStringLiteral("twin%")), kept);
}

TEST_F(ExplorerTest, TheScopeCommandsKeepTheirChecksWhileTheHelpWindowIsActive) {
    parse(kProgram);
    click(QStringLiteral("Globals"));
    host.windows.append({QStringLiteral("HELP WINDOW"), nullptr, QStringLiteral("HELP")});
    host.activeKey = QStringLiteral("HELP WINDOW");
    project().GlobalsDirty = false;
    click(QStringLiteral("File"));
    EXPECT_FALSE(frmList::ShowOnlyFile);
    EXPECT_TRUE(checked(QStringLiteral("Project")));
    EXPECT_FALSE(checked(QStringLiteral("File")));
    EXPECT_FALSE(project().GlobalsDirty);
    EXPECT_TRUE(checked(QStringLiteral("Globals")));
    int listsChecked = 0;
    for (const ExplorerListKind& kind : kExplorerLists)
        listsChecked += checked(kind.name());
    EXPECT_EQ(listsChecked, 1);

    host.activeKey.clear();
    click(QStringLiteral("Project"));
    EXPECT_TRUE(checked(QStringLiteral("Project")));
    EXPECT_FALSE(project().GlobalsDirty);  // refreshed right after being marked
}
