#include "explorer/ExplorerFixture.h"

#include "editor/ActiveDocument.h"
#include "editor/SciWrappers.h"
#include "files/Project.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QKeyEvent>
#include <QApplication>

namespace {

QString storedAfterLoading(const char* key, const QString& stored) {
    platform::SaveSetting(QStringLiteral("UISettings"), QString::fromLatin1(key), stored);
    frmList form;
    return QString::number(QLatin1String(key) == QLatin1String("CodeExCol1") ? frmList::ColWidth1 : frmList::ColWidth2);
}

void pressEnter(QWidget* widget) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

}

TEST_F(ExplorerTest, StoredColumnWidthsOutsideTheirRangesOrNoNumbersLoadAsTheDefaults) {
    const QList<QPair<QString, QString>> name = {{"199", "2200"}, {"12001", "2200"}, {"abc", "2200"},
                                                 {"200", "200"},  {"12000", "12000"}, {"1500.5", "1500"}};
    for (const auto& [stored, loaded] : name)
        EXPECT_EQ(storedAfterLoading("CodeExCol1", stored), loaded) << stored.toStdString();
    const QList<QPair<QString, QString>> file = {{"-1", "4000"}, {"15001", "4000"}, {"0", "0"}, {"15000", "15000"}};
    for (const auto& [stored, loaded] : file)
        EXPECT_EQ(storedAfterLoading("CodeExCol2", stored), loaded) << stored.toStdString();

    platform::SaveSetting(QStringLiteral("UISettings"), QStringLiteral("CodeExCol1"), QStringLiteral("abc"));
    frmList form;
    EXPECT_EQ(form.list(QStringLiteral("Globals"))->columnCount(), 2);
    EXPECT_EQ(form.list(QStringLiteral("Globals"))->columnWidthTwips(0), 2200);
}

TEST_F(ExplorerTest, ClosingInFileScopeKeepsTheFileColumnWidthFromBefore) {
    parse("Global a\r\n");
    click(QStringLiteral("Globals"));
    shown().setColumnWidthTwips(1, 3000);
    click(QStringLiteral("File"));
    EXPECT_TRUE(shown().isColumnHidden(1));
    panel.reset();
    EXPECT_EQ(platform::GetSetting(QStringLiteral("UISettings"), QStringLiteral("CodeExCol2")), QStringLiteral("3000"));
}

TEST_F(ExplorerTest, EnterOnAnItemPutsTheCaretAtItsDeclarationLine) {
    frmDoc& doc = parse("Print 1\r\nPrint 2\r\nGlobal here\r\n");
    click(QStringLiteral("Globals"));
    SciGotoPos(0);
    host.activeKey = QStringLiteral("elsewhere");
    CodeListItem* item = row(QStringLiteral("Globals"), QStringLiteral("here%"));
    ASSERT_TRUE(item);
    pressEnter(&shown());  // nothing selected: nothing happens
    EXPECT_EQ(SciGetCurrentPos(), 0);
    item->setSelected(true);
    pressEnter(&shown());
    EXPECT_EQ(gActiveDoc, &doc);
    EXPECT_EQ(SciGetCurrentPos(), SciPositionFromLine(2));
    EXPECT_TRUE(prompts.isEmpty());
}

TEST_F(ExplorerTest, AMainProgramItemInAProjectWithoutMainFileAsksForOne) {
    parse("Global a\r\n");
    gActiveProject->SingleFile = false;
    click(QStringLiteral("Functions"));
    SciGotoPos(3);
    lists->GotoItem(row(QStringLiteral("Functions"), QStringLiteral("*Main Program*")));
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].text, QStringLiteral("Please Set the 'Main File' for this project first..."));
    EXPECT_EQ(prompts[0].title, QStringLiteral("Operation aborted"));
    EXPECT_EQ(prompts[0].icon, platform::vbExclamation);
    EXPECT_EQ(prompts[0].buttons, platform::vbOKOnly);
    EXPECT_EQ(SciGetCurrentPos(), 3);
}

TEST_F(ExplorerTest, OpenInKorvoOpensTheIncludedFileBelowTheIncludingMember) {
    QDir(home()).mkpath(QStringLiteral("game/src"));
    QDir(home()).mkpath(QStringLiteral("game/common"));
    writeAll(homeFile(QStringLiteral("game/common/gfx.bb")), "Global sprite\r\n");
    frmDoc& main = parse("Include \"..\\common\\gfx.bb\"\r\n", QStringLiteral("game/src/main.bb"));
    ClsProject& project = *gActiveProject;
    project.SingleFile = false;
    project.Path = homeFile(QStringLiteral("game/"));
    auto member = std::make_shared<clsFile>();
    member->Name = main.Filename();
    member->AbsPath = QStringLiteral("\\src\\main.bb");
    DodajFileSorted(member, project);

    click(QStringLiteral("Includes"));
    ASSERT_EQ(shown().count(), 1);
    shown().at(0)->setSelected(true);
    click(QStringLiteral("OpenInclude"));
    ASSERT_TRUE(gActiveDoc);
    EXPECT_EQ(gActiveDoc->FullFilename, homeFile(QStringLiteral("game/common/gfx.bb")));
    EXPECT_TRUE(checked(QStringLiteral("Includes")));
    docs.emplace_back(gActiveDoc.data());
}

TEST_F(ExplorerTest, OpenInKorvoFindsAnIncludeWrittenInAnotherLetterCase) {
    QDir(home()).mkpath(QStringLiteral("game/Lib"));
    writeAll(homeFile(QStringLiteral("game/Menu.bb")), "Global menu\r\n");
    writeAll(homeFile(QStringLiteral("game/Lib/Gfx.bb")), "Global sprite\r\n");
    writeAll(homeFile(QStringLiteral("game/other.bb")), "Global other\r\n");
    const auto openInclude = [this](frmDoc& holder, int row) {
        makeCurrent(holder);
        click(QStringLiteral("Includes"));
        if (row >= shown().count())
            return QStringLiteral("no include %1").arg(row);
        shown().at(row)->setSelected(true);
        click(QStringLiteral("OpenInclude"));
        const QString opened = gActiveDoc ? gActiveDoc->FullFilename : QString();
        if (gActiveDoc)
            docs.emplace_back(gActiveDoc.data());
        return opened;
    };

    // A file opened alone.
    frmDoc& alone = parse("Include \"menu.bb\"\r\nInclude \"lib\\GFX.BB\"\r\n", QStringLiteral("game/main.bb"));
    EXPECT_EQ(openInclude(alone, 0), homeFile(QStringLiteral("game/Lib/Gfx.bb")));
    EXPECT_EQ(openInclude(alone, 1), homeFile(QStringLiteral("game/Menu.bb")));
    EXPECT_TRUE(prompts.isEmpty());

    // A member of a project.
    frmDoc& member = parse("Include \"..\\Other.BB\"\r\n", QStringLiteral("game/Lib/Sub.bb"));
    ClsProject& project = *gActiveProject;
    project.SingleFile = false;
    project.Path = homeFile(QStringLiteral("game/"));
    auto file = std::make_shared<clsFile>();
    file->Name = member.Filename();
    file->AbsPath = QStringLiteral("\\lib\\sub.bb");
    DodajFileSorted(file, project);
    EXPECT_EQ(openInclude(member, 0), homeFile(QStringLiteral("game/other.bb")));
    EXPECT_TRUE(prompts.isEmpty());
}

TEST_F(ExplorerTest, AnIncludeOfAnUntitledDocumentOpensNothing) {
    parse("Include \"gfx.bb\"\r\n");
    const QString path = gActiveProject->FullPath;
    gActiveProject->FullPath = QStringLiteral("{00000000-0000-0000-0000-000000000000}");
    click(QStringLiteral("Includes"));
    shown().at(0)->setSelected(true);
    const int windows = host.documentWindowCount();
    click(QStringLiteral("OpenInclude"));
    EXPECT_EQ(host.documentWindowCount(), windows);
    EXPECT_TRUE(prompts.isEmpty());
    gActiveProject->FullPath = path;
}
