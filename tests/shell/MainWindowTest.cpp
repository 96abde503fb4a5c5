#include "shell/MainWindowFixture.h"
#include "editor/frmDoc.h"
#include "language/complete/QuickHelp.h"
#include "platform/Host.h"
#include "platform/KorvoError.h"
#include "platform/SettingsStore.h"
#include "vocabulary/SettingsValues.h"
#include "shell/DocumentActivation.h"
#include "shell/StatusObjects.h"
#include "shell/WindowPlacement.h"

#include <QCoreApplication>
#include <QApplication>
#include <QFileInfo>
#include <QWindow>

namespace {
QString setting(const char* section, const char* key) {
    return platform::GetSetting(QLatin1String(section), QLatin1String(key));
}
}

TEST_F(MainWindowTest, LoadingBuildsTheBarsPanesAndDockPanels) {
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Korvo"));
    QStringList captions;
    for (const dock::DockWindow* window : main->DS->dockWindows())
        captions.append(window->caption() + QLatin1Char('=') + window->form()->windowTitle());
    EXPECT_EQ(captions, (QStringList{"Projects=Projects", "File Explorer=File Explorer", "Code Explorer=Code Explorer",
                                     "Snippets Manager=Snippets Manager", "Output window=Output window"}));
    ASSERT_TRUE(gStatusMain && gStatusBar && gPositionPane && gStatusProgressBar && gEdit1Pane);
    EXPECT_EQ(gEdit1Pane->hostedWidget(), main->Rtb);
    EXPECT_FALSE(gStatusProgressBar->visible());
    EXPECT_TRUE(main->DS->command(QStringLiteral("Next File Tab")).autoRepeat());
    EXPECT_EQ(setting("Instance", "Handle"), QString::number(QCoreApplication::applicationPid()));

    main->Rtb->setText(QStringLiteral("Print a, b"));
    main->Rtb->setSelection(6, 1);
    main->Rtb->setSelectionColour(255);
    EXPECT_EQ(main->Rtb->Text(), QStringLiteral("Print a, b"));
    EXPECT_GT(main->TextWidth(QStringLiteral("Print a, b")), main->TextWidth(QStringLiteral("Print")));
}

TEST_F(MainWindowTest, AnUnchangedQuickHelpIsNotRedrawnYetComesBackAfterTheLineWasCleared) {
    int redraws = 0;
    QObject::connect(main->Rtb, &QTextEdit::textChanged, main->Rtb, [&redraws] { ++redraws; });
    quickHelp().show(QStringLiteral("Foo (a, b)"), 5, 1, QuickHelp::kArgumentColour);
    EXPECT_EQ(main->Rtb->Text(), "Foo (a, b)");
    const int first = redraws;
    EXPECT_GT(first, 0);
    quickHelp().show(QStringLiteral("Foo (a, b)"), 5, 1, QuickHelp::kArgumentColour);
    EXPECT_EQ(redraws, first) << "the same help again draws nothing";
    quickHelp().show(QStringLiteral("Foo (a, b)"), 8, 1, QuickHelp::kArgumentColour);
    EXPECT_GT(redraws, first) << "the next argument coloured";

    // What the progress pane does when it takes the place of the position pane.
    main->Rtb->setText(QString());
    quickHelp().show(QStringLiteral("Foo (a, b)"), 8, 1, QuickHelp::kArgumentColour);
    EXPECT_EQ(main->Rtb->Text(), "Foo (a, b)");
    quickHelp().clear();
    EXPECT_TRUE(main->Rtb->Text().isEmpty());
}

TEST_F(MainWindowTest, PlacementComesBackOnScreen) {
    const QString section = QStringLiteral("Layout0.8_0");
    const QSize screen(19200, 12000);
    WindowPlacement placement = ReadStartPlacement(section, screen);
    EXPECT_EQ(placement.frameTwips, QRect(1000, 1000, 8000, 7000));
    EXPECT_EQ(placement.state, 2);
    platform::SaveSetting(section, QStringLiteral("MainTop"), QStringLiteral("99999"));
    platform::SaveSetting(section, QStringLiteral("MainLeft"), QStringLiteral("18901"));
    platform::SaveSetting(section, QStringLiteral("MainWidth"), QStringLiteral("30000"));
    placement = ReadStartPlacement(section, screen);
    EXPECT_EQ(placement.frameTwips, QRect(1000, 1000, 30000, 7000));
    platform::SaveSetting(section, QStringLiteral("MainLeft"), QStringLiteral("18900"));
    EXPECT_EQ(ReadStartPlacement(section, screen).frameTwips.left(), 18900);
}

TEST_F(MainWindowTest, ClosingInNormalStateSavesPlacementAndLayout) {
    main->setWindowState(Qt::WindowNoState);
    main->show();
    const QSize decoration = main->frameGeometry().size() - main->size();
    main->move(100, 80);
    main->resize(QSize(800, 600) - decoration);
    ASSERT_EQ(main->frameGeometry(), QRect(100, 80, 800, 600));
    EXPECT_TRUE(main->close());
    EXPECT_EQ(setting("Layout0.8_0", "MainTop"), QStringLiteral("1200"));
    EXPECT_EQ(setting("Layout0.8_0", "MainLeft"), QStringLiteral("1500"));
    EXPECT_EQ(setting("Layout0.8_0", "MainWidth"), QStringLiteral("12000"));
    EXPECT_EQ(setting("Layout0.8_0", "MainHeight"), QStringLiteral("9000"));
    EXPECT_EQ(setting("Layout0.8_0", "MainState"), QStringLiteral("0"));
    EXPECT_TRUE(QFileInfo::exists(homeFile(QStringLiteral("Layouts/Layout0.8_0.mp"))));
    EXPECT_EQ(setting("Instance", "Handle"), QStringLiteral("0"));
}

TEST_F(MainWindowTest, ClosingMinimisedSavesNeitherLayoutNorPlacement) {
    main->show();
    // The platform reports the states of the show and of the minimising
    // later; both are in before the close, which must see the window minimised.
    QApplication::processEvents();
    main->setWindowState(Qt::WindowMinimized);
    QApplication::processEvents();
    ASSERT_TRUE(main->isMinimized());
    ASSERT_EQ(main->windowHandle()->windowStates(), Qt::WindowMinimized);
    platform::SaveSetting(QStringLiteral("Instance"), QStringLiteral("Handle"), QStringLiteral("4242"));
    EXPECT_TRUE(main->close());
    EXPECT_TRUE(setting("Layout0.8_0", "MainTop").isEmpty());
    EXPECT_TRUE(setting("Layout0.8_0", "MainState").isEmpty());
    EXPECT_FALSE(QFileInfo::exists(homeFile(QStringLiteral("Layouts/Layout0.8_0.mp"))));
    // Another instance has the hand-off now: its claim stays.
    EXPECT_EQ(setting("Instance", "Handle"), QStringLiteral("4242"));
}

TEST_F(MainWindowTest, ExitAsksForEachChangedFileAndStopsAtCancel) {
    openFiles({QStringLiteral("a.bb"), QStringLiteral("b.bb"), QStringLiteral("c.bb")});
    dock::DocumentArea& area = main->DS->documents();
    ASSERT_EQ(area.windowCount(), 3);
    for (dock::DocumentWindow* window : area.windows())
        qobject_cast<frmDoc*>(window->form())->setDirty(true);
    scriptButton(platform::vbNo);
    scriptButton(platform::vbCancel);

    main->DS->command(QStringLiteral("Exit")).action()->trigger();
    const QList<platform::PromptRequest> asked = savePrompts();
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0].text, QStringLiteral("The text in the file 'a.bb' has changed.\r\n\r\nDo you want to save the changes ?"));
    EXPECT_EQ(asked[0].buttons, platform::vbYesNoCancel);
    EXPECT_EQ(asked[0].icon, platform::vbQuestion);
    EXPECT_EQ(asked[0].title, QStringLiteral("Korvo"));
    EXPECT_FALSE(area.find(homeFile(QStringLiteral("a.bb"))));
    EXPECT_TRUE(area.find(homeFile(QStringLiteral("b.bb"))));
    EXPECT_TRUE(area.find(homeFile(QStringLiteral("c.bb"))));
    // The exit was cancelled: later starts still hand over to this instance.
    EXPECT_EQ(setting("Instance", "Handle"), QString::number(QCoreApplication::applicationPid()));
}

TEST_F(MainWindowTest, ActivationMovesTheKeysAndShowsTheFunction) {
    openFiles({QStringLiteral("a.bb"), QStringLiteral("b.bb")});
    dock::DocumentArea& area = main->DS->documents();
    area.activate(area.item(homeFile(QStringLiteral("a.bb"))));
    area.activate(area.item(homeFile(QStringLiteral("b.bb"))));
    EXPECT_EQ(gPreviousDocWindowKey, homeFile(QStringLiteral("a.bb")));
    EXPECT_EQ(gActiveDocWindowKey, homeFile(QStringLiteral("b.bb")));
    EXPECT_EQ(gStatusMain->text(), QStringLiteral("*Main Program*"));
    EXPECT_EQ(main->DS->command(QStringLiteral("cboCompilers")).text(), QStringLiteral("Blitz"));
    EXPECT_EQ(main->ActiveDocument(), area.item(homeFile(QStringLiteral("b.bb"))).form());
    EXPECT_TRUE(main->DS->command(QStringLiteral("Save File")).enabled());
    EXPECT_TRUE(main->DS->command(QStringLiteral("Close File")).enabled());

    area.setVisible(area.item(homeFile(QStringLiteral("b.bb"))), false);
    area.setVisible(area.item(homeFile(QStringLiteral("a.bb"))), false);
    EXPECT_EQ(area.windowCount(), 0);
    EXPECT_EQ(main->ActiveDocument(), nullptr);
    EXPECT_FALSE(main->DS->command(QStringLiteral("Save File")).enabled());
    EXPECT_FALSE(main->DS->command(QStringLiteral("Toggle Bookmark")).enabled());
}

TEST_F(MainWindowTest, ALayoutWithoutADockPanelGetsItBackAndKeepsTheQuickHelpLine) {
    dock::LayoutData layout = main->DS->layout();
    layout.docks.removeIf([](const dock::DockData& d) { return d.key == QLatin1String("Snippets"); });
    layout.windowState.clear();
    main->DS->applyLayout(layout);
    EXPECT_FALSE(main->DS->findDockWindow(QStringLiteral("Snippets")));
    main->AdditionalUISetup();
    main->AddDockForms(false);
    ASSERT_TRUE(main->DS->findDockWindow(QStringLiteral("Snippets")));
    EXPECT_EQ(main->DS->dockWindow(QStringLiteral("Snippets")).caption(), QStringLiteral("Snippets Manager"));
    EXPECT_EQ(main->DS->dockWindow(QStringLiteral("Snippets")).form()->windowTitle(), QStringLiteral("Snippets Manager"));
    EXPECT_EQ(gEdit1Pane->hostedWidget(), main->Rtb);
    EXPECT_EQ(main->Rtb->parentWidget()->objectName(), QStringLiteral("Edit1"));
}

TEST_F(MainWindowTest, TheQuickHelpLineKeepsSelectionsInsideItsText) {
    main->Rtb->setText(QStringLiteral("Print a\r\n"));
    EXPECT_EQ(main->Rtb->Text(), QStringLiteral("Print a "));
    main->Rtb->setSelection(50, 10);
    main->Rtb->setSelectionColour(0xFF0000);
    main->Rtb->setSelection(-3, -1);
    main->Rtb->setSelectionColour(255);
    EXPECT_EQ(main->Rtb->Text(), QStringLiteral("Print a "));
    main->Rtb->setWidthTwips(3000);
    EXPECT_EQ(main->Rtb->widthTwips(), 3000);
}

TEST_F(MainWindowTest, TheDockingLayerAnswersAsTheHost) {
    openFiles({QStringLiteral("a.bb"), QStringLiteral("b.bb")});
    platform::Host& host = platform::host();
    EXPECT_EQ(host.documentWindowCount(), 2);
    EXPECT_EQ(host.documentWindowKeys(), (QStringList{homeFile(QStringLiteral("a.bb")), homeFile(QStringLiteral("b.bb"))}));
    host.activateDocumentWindow(homeFile(QStringLiteral("a.bb")));
    EXPECT_EQ(gActiveDocWindowKey, homeFile(QStringLiteral("a.bb")));
    EXPECT_THROW(host.activateDocumentWindow(QStringLiteral("nowhere.bb")), KorvoError);
    host.setDocumentWindowCaption(homeFile(QStringLiteral("a.bb")), QStringLiteral("a.bb *"));
    EXPECT_EQ(main->DS->documents().item(homeFile(QStringLiteral("a.bb"))).caption(), QStringLiteral("a.bb *"));

    host.setStatusPaneText(QStringLiteral("Position"), QStringLiteral("Ln 1"));
    EXPECT_EQ(gPositionPane->text(), QStringLiteral("Ln 1"));
    QList<platform::CommandListItem> many;
    for (int i = 0; i < 15; ++i)
        many.append({QString::number(i), QStringLiteral("/p/%1.bb").arg(i)});
    host.setCommandListItems(QStringLiteral("FileRecentFiles"), many);
    EXPECT_EQ(host.commandListItems(QStringLiteral("FileRecentFiles")).size(), gRecentFiles);
    EXPECT_FALSE(host.hasCommand(QStringLiteral("Nothing")));
    host.setCommandEnabled(QStringLiteral("Nothing"), false);
}
