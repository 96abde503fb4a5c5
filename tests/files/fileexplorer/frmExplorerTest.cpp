#include "files/fileexplorer/ExplorerOpen.h"
#include "files/fileexplorer/FolderList.h"
#include "files/fileexplorer/frmExplorer.h"
#include "platform/SettingsStore.h"
#include "platform/ShellOpen.h"
#include "support/StandIn.h"
#include "support/TestEnvironment.h"
#include "vocabulary/SettingsValues.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

namespace {

class RecordingViewer : public HelpPageViewer {
public:
    bool ShowPageInNewTab(const QString& path) override {
        pages.append(path);
        return true;
    }
    QStringList pages;
};

class frmExplorerTest : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        QDir(home()).mkpath(QStringLiteral("files/sub"));
        for (const char* name : {"a.bb", "b.bb", "c.txt"})
            writeAll(file(QLatin1String(name)), "x");
        platform::SaveSetting(QStringLiteral("FileExSettings"), QStringLiteral("LastPath"), folder());
    }
    void TearDown() override {
        form.reset();
        SetHelpPageViewer(nullptr);
        KorvoTest::TearDown();
    }

    QString folder() const { return home() + QStringLiteral("/files"); }
    QString file(const QString& name) const { return folder() + QLatin1Char('/') + name; }
    QString setting(const char* section, const char* key) const {
        return platform::GetSetting(QLatin1String(section), QLatin1String(key));
    }

    frmExplorer& open() {
        form = std::make_unique<frmExplorer>();
        form->resize(300, 500);
        form->show();
        QApplication::processEvents();
        return *form;
    }
    QTreeWidget* list(const char* name) const { return form->findChild<QTreeWidget*>(QLatin1String(name)); }
    FolderList* folders() const { return form->findChild<FolderList*>(QStringLiteral("Dir1")); }
    QTimer* timer() const { return form->findChild<QTimer*>(QStringLiteral("Timer")); }
    QStringList names(const char* name, int column = 0) const {
        QStringList texts;
        for (int i = 0; i < list(name)->topLevelItemCount(); ++i)
            texts.append(list(name)->topLevelItem(i)->text(column));
        return texts;
    }
    void selectRows(const char* name, std::initializer_list<int> rows) {
        list(name)->clearSelection();
        for (int row : rows) {
            list(name)->setCurrentItem(list(name)->topLevelItem(row), 0, QItemSelectionModel::NoUpdate);
            list(name)->topLevelItem(row)->setSelected(true);
        }
    }
    void rightClick(QAbstractScrollArea* area, const QPoint& at) {
        QMouseEvent press(QEvent::MouseButtonPress, at, area->viewport()->mapToGlobal(at), Qt::RightButton, Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(area->viewport(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, area->viewport()->mapToGlobal(at), Qt::RightButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(area->viewport(), &release);
    }
    void rightClickRow(const char* name, int row) {
        QTreeWidget* view = list(name);
        rightClick(view, view->visualItemRect(view->topLevelItem(row)).center());
    }
    // The menu entry to choose; -1 dismisses the menu as Escape does.
    void chooseFromMenu(int index) {
        platform::PromptAnswer answer;
        answer.button = qMax(0, index);
        answer.accepted = index >= 0;
        scriptAnswer(answer);
    }
    QList<platform::PromptRequest> menus() const {
        QList<platform::PromptRequest> shown;
        for (const platform::PromptRequest& prompt : prompts)
            if (prompt.kind == platform::PromptKind::ModalForm)
                shown.append(prompt);
        return shown;
    }

    std::unique_ptr<frmExplorer> form;
};

}

TEST_F(frmExplorerTest, StartsInTheSavedFolderAndListsItThroughTheSavedFilter) {
    platform::SaveSetting(QStringLiteral("Options"), QStringLiteral("ComboFileTypesState"), QStringLiteral("5"));
    open();
    EXPECT_EQ(folders()->Path(), folder());
    EXPECT_EQ(form->CurrentFolder(), folder() + QLatin1Char('/'));
    EXPECT_EQ(names("lvFiles"), QStringList({"a.bb", "b.bb", "c.txt"}));
    EXPECT_EQ(names("lvFiles", 1), QStringList({"1", "1", "1"}));
    form->findChild<QComboBox*>(QStringLiteral("cboFiletypes"))->setCurrentIndex(0);
    EXPECT_EQ(names("lvFiles"), QStringList({"a.bb", "b.bb"}));
}

TEST_F(frmExplorerTest, StoredColumnWidthsOutsideTheirBoundsBecome2000AndUnloadWritesTheSettings) {
    for (const char* key : {"FileExFCol1", "FileExFFCol1", "FileExDFCol1"})
        platform::SaveSetting(QStringLiteral("UISettings"), QLatin1String(key), QStringLiteral("100"));
    open();
    form.reset();
    for (const char* key : {"FileExFCol1", "FileExFFCol1", "FileExDFCol1"})
        EXPECT_EQ(setting("UISettings", key), "2000") << key;
    for (const char* key : {"FileExFCol1", "FileExFFCol1", "FileExDFCol1"})
        platform::SaveSetting(QStringLiteral("UISettings"), QLatin1String(key), QStringLiteral("300"));
    platform::SaveSetting(QStringLiteral("Options"), QStringLiteral("LastSelectedTabFiles"), QStringLiteral("1"));
    open();
    form->findChild<QComboBox*>(QStringLiteral("cboFiletypes"))->setCurrentIndex(3);
    form->findChild<QTabWidget*>(QStringLiteral("SSTabDirs"))->setCurrentIndex(1);
    folders()->setPath(folder() + QStringLiteral("/sub"));
    form.reset();
    EXPECT_EQ(setting("UISettings", "FileExFCol1"), "2000");
    EXPECT_EQ(setting("UISettings", "FileExFFCol1"), "2000");
    EXPECT_EQ(setting("UISettings", "FileExDFCol1"), "300");
    EXPECT_EQ(setting("UISettings", "FileExSplitter"), "0.5");
    EXPECT_EQ(setting("Options", "ComboFileTypesState"), "3");
    EXPECT_EQ(setting("Options", "LastSelectedTabDirs"), "1");
    // A folder change shows the file list again.
    EXPECT_EQ(setting("Options", "LastSelectedTabFiles"), "0");
    EXPECT_EQ(setting("FileExSettings", "LastPath"), folder() + QStringLiteral("/sub"));
}

TEST_F(frmExplorerTest, FileFavoritesKeepOneEntryPerPathAndRefuseThe201st) {
    open();
    selectRows("lvFiles", {0});
    form->cmdAddToFilesFav_Click();
    writeAll(file("A.BB"), "x");
    form->PopulateListView();
    selectRows("lvFiles", {0, 1, 2});
    form->cmdAddToFilesFav_Click();
    form->RefreshFilesFavorites();
    EXPECT_EQ(names("lvFilesFavorites"), QStringList({"a.bb", "b.bb"}));
    EXPECT_EQ(names("lvFilesFavorites", 1), QStringList(2, folder() + QLatin1Char('/')));
    for (int i = 0; i < 200; ++i)
        writeAll(file(QStringLiteral("f%1.bb").arg(i)), "x");
    form->PopulateListView();
    list("lvFiles")->selectAll();
    form->cmdAddToFilesFav_Click();
    ASSERT_FALSE(prompts.isEmpty());
    EXPECT_EQ(prompts.last().text, "Maximum number of files reached !\r\nFile is not added to the list.");
    EXPECT_EQ(prompts.last().icon, platform::vbCritical);
    form->RefreshFilesFavorites();
    EXPECT_EQ(list("lvFilesFavorites")->topLevelItemCount(), 200);
}

TEST_F(frmExplorerTest, AFavoriteWhoseFileWentAsksBeforeItIsRemoved) {
    open();
    selectRows("lvFiles", {0, 1});
    form->cmdAddToFilesFav_Click();
    form->RefreshFilesFavorites();
    QFile::remove(file("a.bb"));
    QFile::remove(file("b.bb"));
    scriptButton(platform::vbNo);
    scriptButton(platform::vbYes);
    selectRows("lvFilesFavorites", {0, 1});
    emit list("lvFilesFavorites")->itemDoubleClicked(list("lvFilesFavorites")->topLevelItem(0), 0);
    ASSERT_EQ(prompts.size(), 2);
    EXPECT_EQ(prompts[0].text, "This file doesn't exists on this location!\r\n Do you want to remove it from the list ?");
    EXPECT_EQ(prompts[0].buttons, platform::vbYesNo);
    EXPECT_EQ(names("lvFilesFavorites"), QStringList({"a.bb"}));
    form->RefreshFilesFavorites();
    EXPECT_EQ(names("lvFilesFavorites"), QStringList({"a.bb"}));
}

TEST_F(frmExplorerTest, TheCurrentFolderAmongTheFolderFavoritesShowsImage2) {
    open();
    form->cmdAddToFoldersFav_Click();
    folders()->setPath(folder() + QStringLiteral("/sub"));
    form->cmdAddToFoldersFav_Click();
    QTreeWidget* favorites = list("lvDirsFavorites");
    EXPECT_EQ(names("lvDirsFavorites"), QStringList({"files", "sub"}));
    EXPECT_EQ(names("lvDirsFavorites", 1), QStringList({folder() + "/", folder() + "/sub/"}));
    EXPECT_EQ(favorites->topLevelItem(0)->data(0, Qt::UserRole + 2).toInt(), 1);
    EXPECT_EQ(favorites->topLevelItem(1)->data(0, Qt::UserRole + 2).toInt(), 2);
    favorites->setCurrentItem(favorites->topLevelItem(0));
    emit favorites->itemDoubleClicked(favorites->topLevelItem(0), 0);
    EXPECT_EQ(folders()->Path(), folder());
    EXPECT_EQ(favorites->topLevelItem(0)->data(0, Qt::UserRole + 2).toInt(), 2);
}

TEST_F(frmExplorerTest, EnterOnAFolderFavoriteThatWentOffersToRemoveIt) {
    open();
    folders()->setPath(folder() + QStringLiteral("/sub"));
    form->cmdAddToFoldersFav_Click();
    folders()->setPath(folder());
    QDir(folder()).rmdir(QStringLiteral("sub"));
    QTreeWidget* favorites = list("lvDirsFavorites");
    favorites->setCurrentItem(favorites->topLevelItem(0));
    scriptButton(platform::vbYes);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(favorites, &enter);
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].text, "This Path doesn't exists !\r\n Do you want to remove it from the list ?");
    EXPECT_EQ(favorites->topLevelItemCount(), 0);
    EXPECT_EQ(folders()->Path(), folder());
}

TEST_F(frmExplorerTest, TheFileListMenuOffersTheFavoriteFirstAndEscapeDoesNothing) {
    open();
    selectRows("lvFiles", {1});
    chooseFromMenu(-1);
    rightClickRow("lvFiles", 1);
    ASSERT_EQ(menus().size(), 1);
    EXPECT_EQ(menus()[0].choices, QStringList({"&Add to Favorites", "Open", "Open With Default Application", "Open Containing Folder",
                                               "Copy Path", "Rename...", "Move to Trash", "Properties"}));
    EXPECT_EQ(menus()[0].detail, file("b.bb"));
    EXPECT_FALSE(timer()->isActive());
    chooseFromMenu(0);
    rightClickRow("lvFiles", 1);
    EXPECT_TRUE(timer()->isActive());
    form->RefreshFilesFavorites();
    EXPECT_EQ(names("lvFilesFavorites"), QStringList({"b.bb"}));
}

TEST_F(frmExplorerTest, MoveToTrashDropsTheFileAtOnceAndTheTimerChecksSixTimes) {
    const ScopedVariable dataHome("XDG_DATA_HOME", (home() + QStringLiteral("/data")).toUtf8());
    open();
    chooseFromMenu(6);
    scriptButton(platform::vbYes);
    rightClickRow("lvFiles", 0);
    ASSERT_EQ(prompts.size(), 2);
    EXPECT_EQ(prompts[1].text, "Move a.bb to the trash ?");
    EXPECT_FALSE(QFileInfo::exists(file("a.bb")));
    QDirIterator trash(home() + QStringLiteral("/data/Trash/files"));
    EXPECT_TRUE(trash.hasNext());
    EXPECT_EQ(names("lvFiles"), QStringList({"b.bb"}));
    QList<int> intervals;
    while (timer()->isActive() && intervals.size() < 10) {
        intervals.append(timer()->interval());
        form->Timer_Timer();
    }
    EXPECT_EQ(intervals, QList<int>({500, 1000, 1500, 2000, 2500, 3000}));
}

TEST_F(frmExplorerTest, ASecondItemSelectedAsksAboutBothAndRenameUsesTheInputBox) {
    open();
    selectRows("lvFiles", {0});
    chooseFromMenu(5);
    platform::PromptAnswer newName;
    newName.text = QStringLiteral("z.bb");
    scriptAnswer(newName);
    rightClickRow("lvFiles", 0);
    EXPECT_EQ(prompts[1].title, "Rename");
    EXPECT_EQ(prompts[1].text, "Enter the new name:");
    EXPECT_TRUE(QFileInfo::exists(file("z.bb")));
    EXPECT_EQ(names("lvFiles"), QStringList({"b.bb", "z.bb"}));
    selectRows("lvFiles", {0, 1});
    chooseFromMenu(6);
    scriptButton(platform::vbNo);
    rightClickRow("lvFiles", 1);
    EXPECT_EQ(prompts.last().text, "Move these 2 items to the trash ?");
    EXPECT_EQ(menus().last().detail, file("z.bb") + QLatin1Char('\n') + file("b.bb"));
    EXPECT_TRUE(QFileInfo::exists(file("b.bb")));
}

TEST_F(frmExplorerTest, ARightClickBelowTheFoldersShowsNoMenu) {
    open();
    FolderList* tree = folders();
    rightClick(tree, QPoint(5, tree->viewport()->height() - 2));
    EXPECT_TRUE(menus().isEmpty());
    chooseFromMenu(-1);
    QTreeWidgetItem* last = tree->topLevelItem(0);
    while (last->childCount())
        last = last->child(last->childCount() - 1);
    rightClick(tree, tree->visualItemRect(last).center());
    ASSERT_EQ(menus().size(), 1);
    EXPECT_EQ(menus()[0].detail, folder() + QStringLiteral("/sub"));
}

TEST_F(frmExplorerTest, HtmlFilesGoToTheHelpBrowserOnlyWhenTheSettingSaysSo) {
    RecordingViewer viewer;
    EXPECT_FALSE(OpenInHelpBrowser(QStringLiteral("/tmp/page.HTML")));
    SetHelpPageViewer(&viewer);
    gOpenHtmlInKorvo = 1;
    EXPECT_TRUE(OpenInHelpBrowser(QStringLiteral("/tmp/page.HTML")));
    EXPECT_TRUE(OpenInHelpBrowser(QStringLiteral("a.htm")));
    EXPECT_FALSE(OpenInHelpBrowser(QStringLiteral(".htm")));
    EXPECT_FALSE(OpenInHelpBrowser(QStringLiteral("/tmp/page.txt")));
    QStringList shellFiles;
    platform::setShellHandler([&shellFiles](const platform::ShellRequest& request) {
        shellFiles.append(request.file);
        return int(platform::ShellSuccess);
    });
    writeAll(file("page.HTML"), "<p>");
    OpenExplorerFile(file("page.HTML"));
    gOpenHtmlInKorvo = 0;
    EXPECT_FALSE(OpenInHelpBrowser(QStringLiteral("/tmp/page.HTML")));
    OpenExplorerFile(file("page.HTML"));
    platform::setShellHandler({});
    gOpenHtmlInKorvo = 1;
    EXPECT_EQ(viewer.pages, QStringList({"/tmp/page.HTML", "a.htm", file("page.HTML")}));
    EXPECT_EQ(shellFiles, QStringList({file("page.HTML")}));
}

// The listing runs from the first show, while the main window may still be
// showing its children: an event handled in between can delete them.
TEST_F(frmExplorerTest, ShowingAndListingHandleNoOtherEvent) {
    bool handled = false;
    QMetaObject::invokeMethod(qApp, [&handled] { handled = true; }, Qt::QueuedConnection);
    form = std::make_unique<frmExplorer>();
    form->show();
    EXPECT_FALSE(handled);
    auto* filter = form->findChild<QComboBox*>(QStringLiteral("cboFiletypes"));
    filter->setCurrentIndex(3);
    EXPECT_FALSE(handled);
    EXPECT_EQ(names("lvFiles"), QStringList({"c.txt"}));
    EXPECT_FALSE(list("lvFiles")->topLevelItem(0)->icon(0).isNull());
    QApplication::processEvents();
    EXPECT_TRUE(handled);
}

TEST_F(frmExplorerTest, ACurrentFolderThatWasDeletedStartsInItsNearestExistingParent) {
    QDir(home()).mkpath(QStringLiteral("gone/deeper"));
    ASSERT_TRUE(QDir::setCurrent(home() + QStringLiteral("/gone/deeper")));
    ASSERT_TRUE(QDir(home() + QStringLiteral("/gone")).removeRecursively());
    platform::SaveSetting(QStringLiteral("FileExSettings"), QStringLiteral("LastPath"), home() + QStringLiteral("/gone"));
    ASSERT_NO_THROW(open());
    const QString start = folders()->Path();
    EXPECT_TRUE(QFileInfo(start).isDir()) << start.toStdString();
    EXPECT_TRUE(start == QDir::homePath() || home().startsWith(start)) << start.toStdString();
    EXPECT_TRUE(prompts.isEmpty());
}

TEST_F(frmExplorerTest, AFileTheTrashRefusesStaysWhereItIs) {
    writeAll(homeFile("plain"), "x");
    const ScopedVariable dataHome("XDG_DATA_HOME", (home() + QStringLiteral("/plain/data")).toUtf8());
    open();
    chooseFromMenu(6);
    scriptButton(platform::vbYes);
    rightClickRow("lvFiles", 0);
    ASSERT_EQ(prompts.size(), 3);
    EXPECT_EQ(prompts[2].text, "Could not move " + file("a.bb") + " to the trash.");
    EXPECT_EQ(prompts[2].icon, platform::vbCritical);
    EXPECT_EQ(readAll(file("a.bb")), "x");
    EXPECT_EQ(names("lvFiles"), QStringList({"a.bb", "b.bb"}));
}

TEST_F(frmExplorerTest, OnlyALeftDoubleClickOpensTheSelectedFiles) {
    platform::SaveSetting(QStringLiteral("Options"), QStringLiteral("ComboFileTypesState"), QStringLiteral("3"));
    QStringList shellFiles;
    platform::setShellHandler([&shellFiles](const platform::ShellRequest& request) {
        shellFiles.append(request.file);
        return int(platform::ShellSuccess);
    });
    open();
    QTreeWidget* files = list("lvFiles");
    const QPoint at = files->visualItemRect(files->topLevelItem(0)).center();
    for (Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
        QMouseEvent press(QEvent::MouseButtonPress, at, files->viewport()->mapToGlobal(at), button, button, Qt::NoModifier);
        QApplication::sendEvent(files->viewport(), &press);
        selectRows("lvFiles", {0});
        emit files->itemDoubleClicked(files->topLevelItem(0), 0);
    }
    platform::setShellHandler({});
    EXPECT_EQ(shellFiles, QStringList({file("c.txt")}));
}
