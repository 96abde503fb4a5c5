#include "shell/MainWindowFixture.h"

#include "platform/SettingsStore.h"
#include "shell/CustomizeDialog.h"
#include "support/StandIn.h"
#include "settings/UIStyle.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QToolBar>

TEST_F(MainWindowTest, CustomizingChangesCaptionsShortcutsAndToolBarsOnlyOnApply) {
    CustomizeDialog dialog(*main->DS);
    ASSERT_TRUE(dialog.selectCommand(QStringLiteral("Find")));
    dialog.setCaption(QStringLiteral("Search"));
    dialog.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    dialog.setToolBarVisible(QStringLiteral("Standard"), false);
    EXPECT_FALSE(dialog.selectCommand(QStringLiteral("StatusMain")));
    dock::Command& find = main->DS->command(QStringLiteral("Find"));
    EXPECT_EQ(find.caption(), QStringLiteral("Find"));

    dialog.apply();
    EXPECT_EQ(find.caption(), QStringLiteral("Search"));
    EXPECT_EQ(find.shortcut(), QStringLiteral("Ctrl+K"));
    EXPECT_FALSE(main->DS->bar(QStringLiteral("Standard")).visible());
    const QString path = homeFile(QStringLiteral("custom.mp"));
    ASSERT_TRUE(main->DS->saveLayout(path));
    find.setCaption(QStringLiteral("Find"));
    ASSERT_TRUE(main->DS->loadLayout(path));
    EXPECT_EQ(main->DS->command(QStringLiteral("Find")).caption(), QStringLiteral("Search"));
    EXPECT_TRUE(main->findChild<QToolBar*>(QStringLiteral("Standard"))->isHidden());
}

TEST_F(MainWindowTest, TheCustomizeDialogsLabelsShowNoAmpersand) {
    CustomizeDialog dialog(*main->DS);
    // A label shows its "&" as the underline of a key only when it has a field to take the focus.
    const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
    ASSERT_FALSE(labels.isEmpty());
    for (const QLabel* label : labels) {
        if (label->text().contains(QLatin1Char('&'))) {
            EXPECT_NE(label->buddy(), nullptr) << label->text().toStdString();
        }
    }
}

TEST_F(MainWindowTest, TheAppearanceFollowsTheStyleSettings) {
    const auto apply = [](const char* dockStyle, const char* barStyle) {
        platform::SaveSetting(QStringLiteral("Options"), QStringLiteral("UIDockWndStyle"), QLatin1String(dockStyle));
        platform::SaveSetting(QStringLiteral("Options"), QStringLiteral("UICmdBarsStyle"), QLatin1String(barStyle));
        ApplyUIStyle();
    };
    apply("VC6", "VS2005");
    EXPECT_EQ(main->DS->dockWindowStyle(), 2);
    EXPECT_EQ(main->DS->commandBarStyle(), 4);
    EXPECT_EQ(main->DS->styleProperty(), 3);
    EXPECT_TRUE(main->DS->dockWindow(QStringLiteral("Output")).features() & QDockWidget::DockWidgetVerticalTitleBar);
    apply("", "2003");
    EXPECT_EQ(main->DS->dockWindowStyle(), 2);
    EXPECT_EQ(main->DS->commandBarStyle(), 4);
    EXPECT_EQ(main->DS->styleProperty(), 0);
    apply("Win", "97");
    EXPECT_EQ(main->DS->dockWindowStyle(), 0);
    EXPECT_EQ(main->DS->commandBarStyle(), 1);
    EXPECT_EQ(main->DS->commandsValue(), 2);
    EXPECT_EQ(main->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    apply("Nothing", "nothing");
    EXPECT_EQ(main->DS->commandBarStyle(), 1);
}

TEST_F(MainWindowTest, AShortcutIsNeverTakenTwice) {
    {
        CustomizeDialog dialog(*main->DS);
        ASSERT_TRUE(dialog.selectCommand(QStringLiteral("Open File")));
        auto* keys = dialog.findChild<QKeySequenceEdit*>();
        ASSERT_TRUE(keys);
        // The edit takes the keys once they are released and it has waited for more.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_S, Qt::ControlModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_S, Qt::ControlModifier);
        QApplication::sendEvent(keys, &press);
        QApplication::sendEvent(keys, &release);
        ASSERT_TRUE(waitUntil([this] { return !prompts.isEmpty(); }));
        ASSERT_EQ(prompts.size(), 1);
        EXPECT_EQ(prompts[0].icon, platform::vbExclamation);
        EXPECT_TRUE(prompts[0].text.contains(QStringLiteral("already taken by \"Save File\"")));
        EXPECT_EQ(keys->keySequence(), QKeySequence(QStringLiteral("Ctrl+O")));
        dialog.apply();
    }
    EXPECT_EQ(main->DS->command(QStringLiteral("Open File")).shortcut(), QStringLiteral("Ctrl+O"));
    EXPECT_EQ(main->DS->command(QStringLiteral("Save File")).shortcut(), QStringLiteral("Ctrl+S"));

    // A stored layout that gives one shortcut twice: the first command in it keeps it.
    main->DS->command(QStringLiteral("Open File")).setShortcuts({QStringLiteral("Ctrl+S")});
    const QString path = homeFile(QStringLiteral("twice.mp"));
    ASSERT_TRUE(main->DS->saveLayout(path));
    QStringList order;
    for (const dock::Command* command : main->DS->commands())
        order.append(command->key());
    const bool openFirst = order.indexOf(QStringLiteral("Open File")) < order.indexOf(QStringLiteral("Save File"));
    ASSERT_TRUE(main->DS->loadLayout(path));
    EXPECT_EQ(main->DS->command(QStringLiteral("Open File")).shortcut(), openFirst ? QStringLiteral("Ctrl+S") : QString());
    EXPECT_EQ(main->DS->command(QStringLiteral("Save File")).shortcut(), openFirst ? QString() : QStringLiteral("Ctrl+S"));
    EXPECT_TRUE(readAll(homeFile(QStringLiteral("error.log"))).contains("Shortcut Ctrl+S of"));
}
