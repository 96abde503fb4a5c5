#include "shell/MainWindowFixture.h"

#include "editor/ActiveDocument.h"
#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "files/Project.h"
#include "files/Workspaces.h"
#include "language/colour/ColouringFlags.h"
#include "platform/DetachedStart.h"
#include "platform/SettingsStore.h"
#include "shell/DocumentActivation.h"
#include "shell/LayoutCommands.h"
#include "shell/LayoutSlots.h"
#include "shell/LineMoves.h"
#include "shell/StatusObjects.h"
#include "shell/TabCommands.h"
#include "shell/ViewCommands.h"
#include "foundation/Twips.h"
#include "vocabulary/SettingsValues.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>

namespace {

class ShellCommandsTest : public MainWindowTest {
protected:
    void click(const char* key) { main->DS->click(main->DS->command(QLatin1String(key))); }

    QString activeName() const {
        const dock::DocumentWindow* window = main->DS->documents().active();
        return window ? QFileInfo(window->key()).fileName() : QString();
    }
    void activate(const char* name) {
        main->DS->documents().activate(*main->DS->documents().find(homeFile(QLatin1String(name))));
    }
    void ctrl(QEvent::Type type) {
        QKeyEvent event(type, Qt::Key_Control, type == QEvent::KeyPress ? Qt::ControlModifier : Qt::NoModifier);
        QApplication::sendEvent(main.get(), &event);
    }
};

}

TEST_F(ShellCommandsTest, MovingALineSwapsTheTextsAsOneUndoStepAndKeepsTheCaretOffset) {
    openText("a\r\nbb\r\nc");
    SciGotoPos(SciPositionFromLine(1) + 1);
    click("Move Current Line Up");
    EXPECT_EQ(text(), "bb\r\na\r\nc");
    EXPECT_EQ(SciLineFromPosition(SciGetCurrentPos()), 0);
    EXPECT_EQ(SciGetCurrentPos(), 1);
    SciUndo();
    EXPECT_EQ(text(), "a\r\nbb\r\nc");

    SciGotoPos(0);
    click("Move Current Line Up");
    EXPECT_EQ(text(), "a\r\nbb\r\nc");
    SciGotoPos(SciPositionFromLine(2));
    click("Move Current Line Down");
    EXPECT_EQ(text(), "a\r\nbb\r\nc");

    SciGotoPos(SciPositionFromLine(1) + 2);
    click("Move Current Line Down");
    EXPECT_EQ(text(), "a\r\nc\r\nbb");
    EXPECT_EQ(SciGetCurrentPos(), SciPositionFromLine(2) + 2);
}

TEST_F(ShellCommandsTest, StrictModeTogglesItsStyleCheckAndCaption) {
    dock::Command& strict = main->DS->command(QStringLiteral("Strict Mode"));
    ASSERT_EQ(strict.checked(), 1);
    click("Strict Mode");
    EXPECT_EQ(strict.checked(), 0);
    EXPECT_EQ(strict.caption(), QStringLiteral("Strict Off"));
    EXPECT_EQ(gStrictModeStyle, 0);
    click("Strict Mode");
    EXPECT_EQ(strict.checked(), 1);
    EXPECT_EQ(strict.caption(), QStringLiteral(" Strict On"));
    EXPECT_EQ(gStrictModeStyle, 16);
}

TEST_F(ShellCommandsTest, TheStatusBarAndDockWindowsToggle) {
    ASSERT_TRUE(gStatusBar);
    const bool shown = gStatusBar->visible();
    click("StatusBar");
    EXPECT_EQ(gStatusBar->visible(), !shown);
    EXPECT_EQ(main->DS->command(QStringLiteral("StatusBar")).checked(), shown ? 0 : 1);
    click("StatusBar");
    EXPECT_EQ(gStatusBar->visible(), shown);

    main->show();
    dock::DockWindow& output = main->DS->dockWindow(QStringLiteral("Output"));
    const bool outputShown = output.isVisible();
    click("Output Window");
    EXPECT_EQ(output.isVisible(), !outputShown);
    click("Output Window");
    EXPECT_EQ(output.isVisible(), outputShown);
}

TEST_F(ShellCommandsTest, CtrlTabJumpsToThePreviousDocumentAndHeldTabsWalkOn) {
    openFiles({QStringLiteral("A.bb"), QStringLiteral("B.bb"), QStringLiteral("C.bb"), QStringLiteral("D.bb")});
    gTabbingStartsWithPrevious = 1;
    activate("A.bb");
    activate("C.bb");
    ctrl(QEvent::KeyPress);
    click("Next File Tab");
    EXPECT_EQ(activeName(), QStringLiteral("A.bb"));
    click("Next File Tab");
    EXPECT_EQ(activeName(), QStringLiteral("B.bb"));
    ctrl(QEvent::KeyRelease);
    ctrl(QEvent::KeyPress);
    click("Next File Tab");
    EXPECT_EQ(activeName(), QStringLiteral("C.bb"));
    ctrl(QEvent::KeyRelease);

    gTabbingStartsWithPrevious = 0;
    click("Next File Tab");
    EXPECT_EQ(activeName(), QStringLiteral("D.bb"));
    click("Next File Tab");
    EXPECT_EQ(activeName(), QStringLiteral("A.bb"));
    click("Previous File Tab");
    EXPECT_EQ(activeName(), QStringLiteral("D.bb"));
}

TEST_F(ShellCommandsTest, NewTabGroupsSplitOffTheActiveDocumentAndTabbingCrossesThem) {
    openFiles({QStringLiteral("A.bb"), QStringLiteral("B.bb"), QStringLiteral("C.bb")});
    dock::DocumentArea& area = main->DS->documents();
    activate("A.bb");
    main->show();
    click("New Vertical Tab Group");
    EXPECT_EQ(area.groupCount(), 2);
    EXPECT_EQ(activeName(), QStringLiteral("A.bb"));
    QApplication::processEvents();
    const auto placeOf = [&](const char* name) {
        QWidget* form = area.find(homeFile(QLatin1String(name)))->form();
        return form->mapTo(main.get(), QPoint(0, 0));
    };
    EXPECT_GT(placeOf("A.bb").x(), placeOf("B.bb").x());
    EXPECT_EQ(placeOf("A.bb").y(), placeOf("B.bb").y());
    click("Next File Tab");
    EXPECT_EQ(activeName(), QStringLiteral("B.bb"));
    click("New Horizontal Tab Group");
    EXPECT_EQ(area.groupCount(), 3);
    QStringList order;
    for (dock::DocumentWindow* window : area.windows())
        order.append(QFileInfo(window->key()).fileName());
    EXPECT_EQ(order, (QStringList{"C.bb", "B.bb", "A.bb"}));
    click("Next File Tab");
    EXPECT_EQ(activeName(), QStringLiteral("A.bb"));
}

TEST_F(ShellCommandsTest, CloseAllFilesStopsAtACancelledPromptAndKeepsTheProjects) {
    openFiles({QStringLiteral("A.bb"), QStringLiteral("B.bb"), QStringLiteral("C.bb")});
    activate("B.bb");
    gActiveDoc->setDirty(true);
    scriptButton(platform::vbCancel);
    click("Close All Files");
    EXPECT_EQ(main->DS->documents().find(homeFile(QStringLiteral("A.bb"))), nullptr);
    EXPECT_NE(main->DS->documents().find(homeFile(QStringLiteral("B.bb"))), nullptr);
    EXPECT_NE(main->DS->documents().find(homeFile(QStringLiteral("C.bb"))), nullptr);
    EXPECT_GT(gProjects.Count(), 0);

    scriptButton(platform::vbNo);
    click("Close All Files");
    EXPECT_EQ(main->DS->documents().windowCount(), 0);
    EXPECT_EQ(gProjects.Count(), 0);
}

TEST_F(ShellCommandsTest, CloseAllFilesLeavesNoFunctionNamedInTheStatusBar) {
    openFiles({QStringLiteral("A.bb"), QStringLiteral("B.bb")});
    ASSERT_EQ(gStatusMain->text(), QStringLiteral("*Main Program*"));
    click("Close All Files");
    EXPECT_EQ(main->DS->documents().windowCount(), 0);
    EXPECT_EQ(gStatusMain->text(), QString());
}

TEST_F(ShellCommandsTest, ProjectChangesAreNeverDroppedByARoadThatClosesEverything) {
    QDir().mkpath(homeFile(QStringLiteral("game")));
    writeAll(homeFile(QStringLiteral("game/main.bb")), "Print 1\r\n");
    const QString kpf = homeFile(QStringLiteral("game/game.kpf"));
    writeAll(kpf, "[Korvo Project file]\r\n<Settings>\r\n Expanded=\"False\"\r\n</Settings>\r\n<Folders>\r\n</Folders>\r\n<Files>\r\n"
                  " AbsPath=\"\\main.bb\" PrjFolder=\"\" Line=\"0\" Column=\"0\" Tip=\"0\" Visible=\"False\"\r\n"
                  "</Files>\r\n");
    const auto addMember = [&](const QString& name) {
        writeAll(homeFile(QStringLiteral("game/") + name), "");
        const ProjectPtr project = gProjects.Item(kpf);
        ASSERT_TRUE(project);
        auto member = std::make_shared<clsFile>();
        member->Name = name;
        member->AbsPath = QStringLiteral("\\") + name;
        DodajFileSorted(member, *project);
        project->Dirty = true;
    };

    main->Text1_Change(kpf);
    addMember(QStringLiteral("added.bb"));
    click("Close All Files");
    EXPECT_EQ(gProjects.Count(), 0);
    EXPECT_TRUE(readAll(kpf).contains("added.bb"));

    // A project file that cannot be written stops the road before it closes anything.
    main->Text1_Change(kpf);
    addMember(QStringLiteral("more.bb"));
    const QByteArray saved = readAll(kpf);
    QFile::remove(kpf);
    QDir().mkpath(kpf);
    ASSERT_FALSE(LoadWorkSpace(homeFile(QStringLiteral("none.kws"))));
    click("Close All Files");
    EXPECT_EQ(gProjects.Count(), 1);
    EXPECT_NE(main->DS->documents().find(homeFile(QStringLiteral("game/main.bb"))), nullptr);
    EXPECT_FALSE(main->close());
    EXPECT_NE(main->DS->documents().find(homeFile(QStringLiteral("game/main.bb"))), nullptr);

    QDir().rmdir(kpf);
    writeAll(kpf, saved);
    writeAll(homeFile(QStringLiteral("w.kws")), "[Korvo WorkSpace File]\r\n<Projects>\r\n</Projects>\r\n");
    EXPECT_TRUE(LoadWorkSpace(homeFile(QStringLiteral("w.kws"))));
    EXPECT_EQ(gProjects.Count(), 0);
    EXPECT_TRUE(readAll(kpf).contains("more.bb"));
}

TEST_F(ShellCommandsTest, RunLastCreatedExeStartsTheProgramOrReportsItMissing) {
    QList<platform::ChildProcess> started;
    platform::setDetachedStartHandler([&](const platform::ChildProcess& command) {
        started.append(command);
        return true;
    });
    gLastCreatedExe = homeFile(QStringLiteral("gone"));
    click("Run Last Created EXE");
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].text, QStringLiteral("File ") + gLastCreatedExe + QStringLiteral(" not found !"));
    EXPECT_EQ(prompts[0].icon, platform::vbExclamation);

    writeAll(gLastCreatedExe, "");
    click("Run Last Created EXE");
    ASSERT_EQ(started.size(), 1);
    EXPECT_EQ(started[0].program, gLastCreatedExe);
    EXPECT_TRUE(started[0].arguments.isEmpty());
    platform::setDetachedStartHandler({});
    gLastCreatedExe.clear();
}

TEST_F(ShellCommandsTest, LayoutSlotsSaveAndSwitchTheArrangementAndPlacement) {
    click("SwitchToLayout2");
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].text, QStringLiteral("Layout 2 is not created yet or is incorrect UI version !"));
    EXPECT_EQ(prompts[0].icon, platform::vbExclamation);
    EXPECT_EQ(prompts[0].title, QStringLiteral("Korvo"));

    main->showMaximized();
    click("SaveAsLayout1");
    EXPECT_TRUE(QFileInfo::exists(homeFile(QStringLiteral("Layouts/Layout0.8_1.mp"))));
    EXPECT_EQ(platform::GetSetting(LayoutSectionName(1), QStringLiteral("MainState"), QString()), QStringLiteral("2"));
    EXPECT_FALSE(platform::GetSetting(LayoutSectionName(1), QStringLiteral("MainWidth"), QString()).isEmpty());

    // A slot whose section holds no placement keys.
    QFile::copy(LayoutFilePath(1), LayoutFilePath(3));
    main->showNormal();
    click("SwitchToLayout3");
    EXPECT_FALSE(main->isMaximized());
    EXPECT_TRUE(main->updatesEnabled());
    const QRect expected = twips::toPixels(main.get(), QRect(1500, 5000, 7000, 6500));
    EXPECT_LE((main->frameGeometry().topLeft() - expected.topLeft()).manhattanLength(), 60);

    click("SwitchToLayout1");
    EXPECT_TRUE(main->isMaximized());
    EXPECT_TRUE(main->updatesEnabled());
}

TEST_F(ShellCommandsTest, ResetLayoutAsksFirstAndKeepsTheRecentLists) {
    openFiles({QStringLiteral("A.bb")});
    gActiveProject->CommandLine = QStringLiteral("-fast");
    main->showMaximized();
    main->DS->command(QStringLiteral("FileRecentFiles")).setItems({{QStringLiteral("x.bb"), homeFile(QStringLiteral("x.bb"))}});
    main->DS->command(QStringLiteral("Strict Mode")).setCaption(QStringLiteral("changed"));

    scriptButton(platform::vbNo);
    click("ResetLayout");
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].text, QStringLiteral("Are you sure you want to revert to the default layout settings ? \r"
                                              "All menus, commands and hotkeys will also be reverted to their default state !"));
    EXPECT_EQ(prompts[0].title, QStringLiteral("Korvo - Reset Layout"));
    EXPECT_EQ(prompts[0].buttons, platform::vbYesNo);
    EXPECT_EQ(prompts[0].icon, platform::vbQuestion);
    EXPECT_TRUE(main->isMaximized());

    scriptButton(platform::vbYes);
    click("ResetLayout");
    EXPECT_FALSE(main->isMaximized());
    EXPECT_TRUE(main->updatesEnabled());
    EXPECT_NE(main->DS->command(QStringLiteral("Strict Mode")).caption(), QStringLiteral("changed"));
    ASSERT_EQ(main->DS->command(QStringLiteral("FileRecentFiles")).items().size(), 1);
    EXPECT_EQ(main->DS->command(QStringLiteral("FileRecentFiles")).items()[0].key, homeFile(QStringLiteral("x.bb")));
    // The combos show the active document's compiler and command line again.
    const dock::Command& compilers = main->DS->command(QStringLiteral("cboCompilers"));
    EXPECT_EQ(compilers.text(), QStringLiteral("Blitz"));
    ASSERT_EQ(compilers.items().size(), 1);
    EXPECT_EQ(compilers.items()[0].caption, QStringLiteral("Blitz"));
    EXPECT_EQ(main->DS->command(QStringLiteral("cboCommandLine")).text(), QStringLiteral("-fast"));
}
