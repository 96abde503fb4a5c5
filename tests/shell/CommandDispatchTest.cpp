#include "shell/MainWindowFixture.h"

#include "editor/CurrentView.h"
#include "editor/Folding.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "editor/ActiveDocument.h"
#include "files/Project.h"
#include "language/colour/ColouringFlags.h"
#include "platform/CommandProcedures.h"
#include "platform/dock/LayoutFile.h"
#include "shell/CommandKeys.h"
#include "shell/LayoutSlots.h"
#include "shell/RecentLists.h"
#include "vocabulary/SettingsValues.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSet>

namespace {

class CommandDispatchTest : public MainWindowTest {
protected:
    dock::Command& command(const char* key) { return main->DS->command(QLatin1String(key)); }
    void click(const char* key) { main->DS->click(command(key)); }


    QStringList entries(const dock::Command& popup) {
        QStringList keys;
        for (const dock::ControlData& control : popup.data().controls)
            keys.append((control.groupStart ? QStringLiteral("|") : QString()) + control.key);
        return keys;
    }
    QStringList entries(const dock::CommandBar& bar) {
        QStringList keys;
        for (const dock::ControlData& control : bar.data().controls)
            keys.append(control.key);
        return keys;
    }
};

}

TEST_F(CommandDispatchTest, EveryKeyHasAProcedureAndAPlaceInTheMenus) {
    ASSERT_EQ(CommandKeys().size(), 152u);
    QSet<QString> placed;
    for (const dock::Command* c : main->DS->commands())
        for (const dock::ControlData& control : c->data().controls)
            placed.insert(control.key);
    for (const dock::CommandBar* bar : main->DS->bars())
        for (const dock::ControlData& control : bar->data().controls)
            placed.insert(control.key);
    for (const CommandKey& key : CommandKeys()) {
        EXPECT_TRUE(platform::FindCommandProcedure(QLatin1String(key.key))) << key.key;
        EXPECT_TRUE(main->DS->findCommand(QLatin1String(key.key))) << key.key;
        EXPECT_TRUE(placed.contains(QLatin1String(key.key))) << key.key;
    }
    EXPECT_TRUE(FindCommandKey(QStringLiteral("Goto Line"))->cancelsCompletion);
    EXPECT_FALSE(FindCommandKey(QStringLiteral("Toggle Fold"))->cancelsCompletion);
    EXPECT_FALSE(FindCommandKey(QStringLiteral("undo")));
}

TEST_F(CommandDispatchTest, TheDefaultLayoutIsCompletedOnceWithStrictModeOn) {
    EXPECT_EQ(command("Undo").category(), QStringLiteral("SciFocus"));
    EXPECT_EQ(command("New Line").category(), QStringLiteral("SciFocus"));
    EXPECT_EQ(command("New Line").shortcuts(), (QStringList{"Return", "Enter"}));
    EXPECT_EQ(command("Toggle BreakPoint").category(), QStringLiteral("Sci"));
    EXPECT_EQ(command("Compile and Run").category(), QStringLiteral("Sci"));
    EXPECT_TRUE(command("Exit").category().isEmpty());
    EXPECT_TRUE(command("About").category().isEmpty());
    EXPECT_EQ(command("Strict Mode").caption(), QStringLiteral(" Strict On"));
    EXPECT_EQ(command("Strict Mode").checked(), 1);
    EXPECT_EQ(gStrictModeStyle, 16);
    EXPECT_EQ(entries(command("Compile")).mid(8), (QStringList{"|ExternalToolsPopupMenu", "|Edit Userlibs",
                                                               "|Review Declarations", "|Strict Mode"}));
    EXPECT_EQ(entries(main->DS->bar(QStringLiteral("CompilerToolBar"))).last(), QStringLiteral("Strict Mode"));
    EXPECT_EQ(entries(command("ExternalToolsPopupMenu")), QStringList{"MRUExternalTools"});
    EXPECT_EQ(entries(command("Settings")).mid(4), (QStringList{"|Edit HotCodes", "External Tools", "|Customize UI"}));
    EXPECT_EQ(command("WindowList").maxItems(), 500);

    int repeating = 0;
    for (const dock::Command* c : main->DS->commands())
        repeating += c->autoRepeat() ? 1 : 0;
    EXPECT_EQ(repeating, 26);
}

TEST_F(CommandDispatchTest, AnOlderLayoutGainsSaveAllFilesOnceRightAfterSaveFileAs) {
    const std::optional<dock::LayoutData> fresh = dock::readLayoutFile(BuiltInLayoutPath());
    ASSERT_TRUE(fresh);
    ASSERT_FALSE(std::any_of(fresh->commands.begin(), fresh->commands.end(),
                             [](const dock::CommandData& c) { return c.key == QLatin1String("Save All Files"); }));
    main->DS->applyLayout(*fresh);
    const QString path = homeFile(QStringLiteral("older.mp"));
    for (int load = 0; load < 2; ++load) {
        if (load > 0) {
            ASSERT_TRUE(main->DS->loadLayout(path));
        }
        main->AdditionalUISetup();
        EXPECT_EQ(entries(command("File")).mid(3, 3), (QStringList{"Save File As", "Save All Files", "|Close File"}));
        EXPECT_EQ(entries(command("File")).count(QStringLiteral("Save All Files")), 1);
        EXPECT_EQ(command("Save All Files").category(), QStringLiteral("Sci"));
        EXPECT_EQ(entries(command("Compile")).count(QStringLiteral("|Strict Mode")), 1);
        ASSERT_TRUE(main->DS->saveLayout(path));
    }
}

TEST_F(CommandDispatchTest, WithoutADocumentEditorCommandsAreOffAndDoNothing) {
    main->UpdateCommandUI();
    for (const dock::Command* c : main->DS->commands()) {
        if (c->category() == QLatin1String("Sci") || c->category() == QLatin1String("SciFocus")) {
            EXPECT_FALSE(c->enabled()) << c->key().toStdString();
        }
    }
    EXPECT_FALSE(command("Save File As").enabled());
    EXPECT_TRUE(command("Exit").enabled());
    click("Undo");
    click("Find");
    dock::CommandData undo;
    undo.key = QStringLiteral("undo");
    dock::Command lowerCase(undo, nullptr);
    main->DS_CommandClick(lowerCase);
    EXPECT_TRUE(prompts.isEmpty());
}

TEST_F(CommandDispatchTest, CloseFileAndCloseProjectFollowTheDocumentsProject) {
    openText("Print 1\r\n");
    EXPECT_TRUE(command("Close File").enabled());
    EXPECT_FALSE(command("Close Project").enabled());
    gActiveProject->SingleFile = false;
    main->UpdateCommandUI();
    EXPECT_FALSE(command("Close File").enabled());
    EXPECT_TRUE(command("Close Project").enabled());
}

TEST_F(CommandDispatchTest, StandInsSayTheFeatureIsNotThereYet) {
    openText("Print 1\r\n");
    click("Print");
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].text, QStringLiteral("This feature is not available yet, please wait for the next release... "));
    EXPECT_EQ(prompts[0].icon, platform::vbInformation);
    EXPECT_EQ(prompts[0].title, QStringLiteral("Korvo"));
    click("Add Folder With Files");
    click("New Vertical Tab Group");
    EXPECT_EQ(prompts.size(), 1);
}

TEST_F(CommandDispatchTest, TypingCommandsEditTheActiveDocument) {
    openText("Print 1\r\nx = 2");
    SciGotoPos(7);
    click("New Line");
    EXPECT_EQ(text(), QByteArray("Print 1\r\n\r\nx = 2"));
    click("Undo");
    EXPECT_EQ(text(), QByteArray("Print 1\r\nx = 2"));

    SciSetSelectionStart(0);
    SciSetSelectionEnd(5);
    click("Copy");
    SciGotoPos(0);
    click("Paste");
    EXPECT_EQ(text(), QByteArray("PrintPrint 1\r\nx = 2"));
    click("Select All");
    click("Convert To Upper Case");
    EXPECT_EQ(text(), QByteArray("PRINTPRINT 1\r\nX = 2"));
    click("Document End");
    click("Delete Line Left");
    EXPECT_EQ(text(), QByteArray("PRINTPRINT 1\r\n"));
}

TEST_F(CommandDispatchTest, ToggleFoldWaitsForTheFoldMargin) {
    openText("Function f()\r\n  Print 1\r\nEnd Function\r\n");
    SciSetFoldLevel(0, kFoldBase | kFoldHeaderFlag);
    SciSetFoldLevel(1, kFoldBase + 1);
    SciGotoPos(0);
    ShowFoldMargin = 0;
    click("Toggle Fold");
    EXPECT_TRUE(SciGetLineVisible(1));
    ShowFoldMargin = 1;
    click("Toggle Fold");
    EXPECT_FALSE(SciGetLineVisible(1));
}

TEST_F(CommandDispatchTest, TheTabMenuActsOnTheClickedTabsDocument) {
    openFiles({QStringLiteral("a.bb"), QStringLiteral("b.bb")});
    dock::DocumentArea& area = main->DS->documents();
    dock::DocumentWindow& a = area.item(homeFile(QStringLiteral("a.bb")));
    bool cancel = false;
    main->DocumentWindowContextClick(a, dock::HitTab, cancel);
    EXPECT_TRUE(cancel);
    EXPECT_EQ(area.active(), &a);
    EXPECT_EQ(entries(command("TabsContextMenu")),
              (QStringList{"Close File", "Close All Files", "|New Horizontal Tab Group", "New Vertical Tab Group"}));
    main->DS->popupMenu(QStringLiteral("TabsContextMenu")).close();

    gActiveProject->SingleFile = false;
    cancel = false;
    main->DocumentWindowDblClick(a, dock::HitTab, cancel);
    EXPECT_FALSE(cancel);
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].text, QStringLiteral("You can't close a file that is part of a project !  "));
    EXPECT_EQ(prompts[0].icon, platform::vbInformation);
    EXPECT_EQ(area.windowCount(), 2);
    gDoubleClickClosesTabs = 0;
    main->DocumentWindowDblClick(a, dock::HitTab, cancel);
    EXPECT_EQ(prompts.size(), 1);
}

TEST_F(CommandDispatchTest, EditingShortcutsLeaveOtherWidgetsTheirKeys) {
    dock::Command& newLine = command("New Line");
    bool cancel = false;
    main->ShortcutAboutToRun(newLine, QKeySequence(Qt::Key_Return), cancel);
    EXPECT_TRUE(cancel);  // no document
    cancel = false;
    main->ShortcutAboutToRun(command("Find"), QKeySequence(Qt::CTRL | Qt::Key_F), cancel);
    EXPECT_FALSE(cancel);

    openText("Print 1\r\n");
    auto* commandLine = main->findChild<QComboBox*>(QStringLiteral("cboCommandLine"));
    ASSERT_TRUE(commandLine && commandLine->lineEdit());
    QKeyEvent returnKey(QEvent::ShortcutOverride, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(commandLine->lineEdit(), &returnKey);
    EXPECT_TRUE(returnKey.isAccepted());
    commandLine->lineEdit()->setText(QStringLiteral("-window"));
    emit commandLine->lineEdit()->returnPressed();
    EXPECT_EQ(gMRUCommandLine.IndexItem(1), QStringLiteral("-window"));
    EXPECT_EQ(gActiveProject->CommandLine, QStringLiteral("-window"));
    EXPECT_EQ(text(), QByteArray("Print 1\r\n"));
}

TEST_F(CommandDispatchTest, CustomisingNeverLeavesTheEditorMenuInTheMainMenu) {
    const QStringList before = entries(main->DS->bar(QStringLiteral("MainMenu")));
    main->CustomizationBegin();
    EXPECT_EQ(entries(main->DS->bar(QStringLiteral("MainMenu"))), before);
    main->DS->bar(QStringLiteral("MainMenu")).addControl(QStringLiteral("PopupMenu1"));
    main->CustomizationEnd();
    EXPECT_EQ(entries(main->DS->bar(QStringLiteral("MainMenu"))), before);
    click("Customize UI");
    EXPECT_EQ(entries(main->DS->bar(QStringLiteral("MainMenu"))), before);
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].kind, platform::PromptKind::ModalForm);
}

TEST_F(CommandDispatchTest, DockPanelsCheckTheirViewCommands) {
    main->DockWindowHidden(main->DS->dockWindow(QStringLiteral("Projects")));
    EXPECT_EQ(command("Projects Manager").checked(), 0);
    main->DockWindowShown(main->DS->dockWindow(QStringLiteral("Projects")));
    EXPECT_EQ(command("Projects Manager").checked(), 1);
    command("Code Explorer").setChecked(1);
    main->DockWindowHidden(main->DS->dockWindow(QStringLiteral("CodeExplorer")));
    EXPECT_EQ(command("Code Explorer").checked(), 1);
}

TEST_F(CommandDispatchTest, EditingShortcutsRunWhileTheEditorHasTheFocus) {
    openText("Print 1\r\n");
    main->show();
    QApplication::setActiveWindow(main.get());
    gActiveDoc->Sci->setFocus();
    QCoreApplication::processEvents();
    ASSERT_TRUE(SciGetFocus());
    QKeyEvent returnKey(QEvent::ShortcutOverride, Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(gActiveDoc->Sci, &returnKey);
    EXPECT_FALSE(returnKey.isAccepted());
}
