#include "platform/KorvoError.h"
#include "platform/dock/DockEvents.h"
#include "platform/dock/DockLayer.h"
#include "support/TestEnvironment.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QStatusBar>

using namespace dock;

namespace {

struct Events : DockEvents {
    QStringList seen;
    bool cancelShortcut = false;
    bool cancelContext = false;
    void CommandClick(Command& c) override { seen.append(QStringLiteral("click ") + c.key() + QLatin1Char('=') + c.text()); }
    void ComboTextEntered(Command& c) override { seen.append(QStringLiteral("entered ") + c.text()); }
    void ShortcutAboutToRun(Command& c, const QKeySequence& keys, bool& cancel) override {
        seen.append(QStringLiteral("shortcut ") + c.key() + QLatin1Char(' ') + keys.toString());
        cancel = cancelShortcut;
    }
    void DocumentWindowContextClick(DocumentWindow& w, HitArea area, bool& cancel) override {
        seen.append(QStringLiteral("context %1 %2").arg(w.key()).arg(int(area)));
        cancel = cancelContext;
    }
    void DockWindowShown(DockWindow& w) override { seen.append(QStringLiteral("shown ") + w.key()); }
    void DockWindowHidden(DockWindow& w) override { seen.append(QStringLiteral("hidden ") + w.key()); }
};

class CommandWidgets : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        layer = new DockLayer(window);
        layer->setEvents(&events);
        ASSERT_TRUE(layer->loadLayout(QStringLiteral(":/Layout.mp")));
    }

    Events events;
    QMainWindow window;
    DockLayer* layer = nullptr;
};

QStringList menuTexts(QMenu& menu) {
    QStringList texts;
    for (QAction* action : menu.actions())
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text().section(QLatin1Char('\t'), 0, 0));
    return texts;
}

}

TEST_F(CommandWidgets, PopupEntriesMoveAndSeparate) {
    Command& tabs = layer->command(QStringLiteral("TabsContextMenu"));
    while (tabs.controlCount() > 0)
        tabs.deleteControl(1);
    tabs.addControl(QStringLiteral("Close Project"));
    tabs.addControl(QStringLiteral("Close All Files"));
    tabs.addControl(QStringLiteral("New Vertical Tab Group"));
    tabs.addControl(QStringLiteral("New Horizontal Tab Group"), tabs.findControl(QStringLiteral("Close All Files")) + 1, true);
    EXPECT_EQ(menuTexts(layer->popupMenu(QStringLiteral("TabsContextMenu"))),
              (QStringList{"Close Project", "Close All Files", "-", "New Horizontal Tab Group", "New Vertical Tab Group"}));
    EXPECT_EQ(tabs.findControl(QStringLiteral("Exit")), 0);
    EXPECT_THROW(tabs.deleteControl(5), KorvoError);
    EXPECT_EQ(tabs.controlCount(), 4);

    // A popup inside a popup shows as its submenu.
    Command& compile = layer->command(QStringLiteral("Compile"));
    layer->addCommand(CommandKind::Popup, QStringLiteral("ExternalToolsPopupMenu"), QStringLiteral("Run External Tool"));
    compile.addControl(QStringLiteral("ExternalToolsPopupMenu"), 0, true);
    QAction* tools = layer->popupMenu(QStringLiteral("Compile")).actions().last();
    EXPECT_EQ(tools->text(), QStringLiteral("Run External Tool"));
    EXPECT_EQ(tools->menu(), &layer->popupMenu(QStringLiteral("ExternalToolsPopupMenu")));
}

TEST_F(CommandWidgets, CombosShowTheirCommandAndReportChoicesAndTyping) {
    Command& compilers = layer->command(QStringLiteral("cboCompilers"));
    compilers.addItem(QStringLiteral("Blitz"), QStringLiteral("Blitz"));
    compilers.addItem(QStringLiteral("Plus"), QStringLiteral("Plus"));
    compilers.setText(QStringLiteral("Plus"));
    auto* combo = window.findChild<QComboBox*>(QStringLiteral("cboCompilers"));
    ASSERT_TRUE(combo);
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Plus"));
    emit combo->activated(0);
    EXPECT_EQ(events.seen.last(), QStringLiteral("click cboCompilers=Blitz"));
    EXPECT_EQ(compilers.text(), QStringLiteral("Blitz"));

    auto* commandLine = window.findChild<QComboBox*>(QStringLiteral("cboCommandLine"));
    ASSERT_TRUE(commandLine && commandLine->lineEdit());
    commandLine->lineEdit()->setText(QStringLiteral("-debug"));
    emit commandLine->lineEdit()->returnPressed();
    EXPECT_EQ(events.seen.last(), QStringLiteral("entered -debug"));
    // Confirming typed text is no choice of an item.
    EXPECT_FALSE(events.seen.contains(QStringLiteral("click cboCommandLine=-debug")));
    EXPECT_EQ(layer->command(QStringLiteral("cboCommandLine")).text(), QStringLiteral("-debug"));
}

TEST_F(CommandWidgets, ShortcutsAskTheHostFirst) {
    Command& find = layer->command(QStringLiteral("Find"));
    layer->runShortcut(find);
    EXPECT_EQ(events.seen, (QStringList{"shortcut Find Ctrl+F", "click Find="}));
    events.seen.clear();
    events.cancelShortcut = true;
    layer->runShortcut(find);
    EXPECT_EQ(events.seen, QStringList{"shortcut Find Ctrl+F"});
    events.seen.clear();
    events.cancelShortcut = false;
    find.setEnabled(false);
    layer->runShortcut(find);
    EXPECT_EQ(events.seen, QStringList{"shortcut Find Ctrl+F"});
}

TEST_F(CommandWidgets, EveryShortcutOfACommandRunsItAndOnlyTheFirstRepeats) {
    Command& newLine = layer->command(QStringLiteral("New Line"));
    newLine.setAutoRepeat(true);
    QList<QShortcut*> shortcuts = window.findChildren<QShortcut*>();
    shortcuts.removeIf([](const QShortcut* s) { return s->key() != QKeySequence(Qt::Key_Return) && s->key() != QKeySequence(Qt::Key_Enter); });
    ASSERT_EQ(shortcuts.size(), 2);
    for (QShortcut* shortcut : shortcuts)
        EXPECT_EQ(shortcut->autoRepeat(), shortcut->key() == QKeySequence(Qt::Key_Return));
    for (QShortcut* shortcut : shortcuts)
        emit shortcut->activated();
    EXPECT_EQ(events.seen, (QStringList{"shortcut New Line Return", "click New Line=", "shortcut New Line Enter", "click New Line="}));
    // A change of anything but the keys keeps the shortcuts there are.
    const QPointer<QShortcut> kept(shortcuts.front());
    newLine.setCaption(QStringLiteral("Line Break"));
    EXPECT_TRUE(kept);

    // The host decides whether the focused widget keeps a command's key.
    auto* edit = new QLineEdit(&window);
    for (const bool cancel : {true, false}) {
        events.cancelShortcut = cancel;
        QKeyEvent enter(QEvent::ShortcutOverride, Qt::Key_Enter, Qt::KeypadModifier);
        QCoreApplication::sendEvent(edit, &enter);
        EXPECT_EQ(enter.isAccepted(), cancel);
    }
    newLine.setShortcut(QString());
    EXPECT_EQ(newLine.shortcuts(), QStringList{"Enter"});
    shortcuts = window.findChildren<QShortcut*>();
    shortcuts.removeIf([](const QShortcut* s) { return s->key() != QKeySequence(Qt::Key_Return) && s->key() != QKeySequence(Qt::Key_Enter); });
    ASSERT_EQ(shortcuts.size(), 1);
    EXPECT_EQ(shortcuts.front()->key(), QKeySequence(Qt::Key_Enter));
}

TEST_F(CommandWidgets, PanesFollowTheirCommandsAndHostedWidgetsSurviveRebuilds) {
    Command& position = layer->command(QStringLiteral("Position"));
    position.setText(QStringLiteral("Ln 3, Col 7"));
    auto* label = window.statusBar()->findChild<QLabel*>(QStringLiteral("Position"));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->text(), QStringLiteral("Ln 3, Col 7"));
    EXPECT_EQ(label->width(), 1170 / 15);

    QPointer<QLabel> hosted = new QLabel(QStringLiteral("help"), &window);
    layer->command(QStringLiteral("Edit1")).setHostedWidget(hosted);
    EXPECT_EQ(hosted->parentWidget()->objectName(), QStringLiteral("Edit1"));
    ASSERT_TRUE(layer->loadLayout(QStringLiteral(":/Layout.mp")));
    ASSERT_TRUE(hosted);
    layer->command(QStringLiteral("Edit1")).setHostedWidget(hosted);
    EXPECT_EQ(hosted->parentWidget()->objectName(), QStringLiteral("Edit1"));

    Command& progress = layer->command(QStringLiteral("StatusProgressBar"));
    progress.setProgress(150, 100);
    EXPECT_EQ(progress.progressValue(), 100);
    progress.setProgress(-5, 100);
    EXPECT_EQ(progress.progressValue(), 0);
}

TEST_F(CommandWidgets, DocumentAndDockWindowEventsReachTheHost) {
    auto* form = new QWidget;
    auto* inner = new QWidget(form);
    DocumentWindow& a = layer->documents().add(QStringLiteral("a.bb"), form, QStringLiteral("/x/a.bb"));
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(1, 1), inner->mapToGlobal(QPoint(1, 1)));
    events.cancelContext = true;
    EXPECT_TRUE(QCoreApplication::sendEvent(inner, &click));
    EXPECT_EQ(events.seen.last(), QStringLiteral("context /x/a.bb 1"));

    // Swapping the hosted form keeps the window active and raises nothing.
    events.seen.clear();
    auto* other = new QWidget;
    layer->documents().setForm(a, other);
    EXPECT_EQ(layer->documents().active(), &a);
    EXPECT_EQ(layer->documents().currentWidget(), other);
    EXPECT_TRUE(events.seen.isEmpty());
    delete form;

    window.show();
    events.seen.clear();
    DockWindow& output = layer->dockWindow(QStringLiteral("Output"));
    output.hide();
    output.show();
    EXPECT_EQ(events.seen, (QStringList{"hidden Output", "shown Output"}));
}
