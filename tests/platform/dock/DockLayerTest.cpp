#include "platform/KorvoError.h"
#include "platform/dock/DockEvents.h"
#include "platform/dock/DockLayer.h"
#include "platform/dock/LayoutFile.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QComboBox>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QToolBar>

using namespace dock;

namespace {

struct Recorder : DockEvents {
    QStringList events;
    bool cancelHiding = false;
    bool removeOnClose = true;
    DocumentArea* area = nullptr;

    void CommandClick(Command& c) override {
        events.append(QStringLiteral("click ") + c.key() + (c.clickedItem() ? QStringLiteral(" ") + c.clickedItem()->key : QString()));
    }
    void DocumentWindowActivate(DocumentWindow& w) override { events.append(QStringLiteral("activate ") + w.key()); }
    void DocumentWindowDeactivate(DocumentWindow& w) override { events.append(QStringLiteral("deactivate ") + w.key()); }
    void DocumentWindowHiding(DocumentWindow& w, bool& cancel) override {
        events.append(QStringLiteral("hiding ") + w.key());
        cancel = cancelHiding;
    }
    void DocumentWindowClosed(DocumentWindow& w) override {
        events.append(QStringLiteral("closed ") + w.key());
        if (removeOnClose)
            area->remove(w);
    }
    void NoActiveDocument() override { events.append(QStringLiteral("none active")); }
};

int errorNumber(const std::function<void()>& call) {
    try {
        call();
    } catch (const KorvoError& error) {
        return error.number;
    }
    return 0;
}

class DockLayerTest : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        layer = new DockLayer(window);
        recorder.area = &layer->documents();
        layer->setEvents(&recorder);
        ASSERT_TRUE(layer->loadLayout(QStringLiteral(":/Layout.mp")));
    }

    QMainWindow window;
    DockLayer* layer = nullptr;
    Recorder recorder;
};

}

TEST_F(DockLayerTest, OneActionPerCommandSharedByMenuAndToolBar) {
    Command& save = layer->command(QStringLiteral("Save File"));
    EXPECT_TRUE(layer->popupMenu(QStringLiteral("File")).actions().contains(save.action()));
    QToolBar* standard = window.findChild<QToolBar*>(QStringLiteral("Standard"));
    ASSERT_TRUE(standard);
    EXPECT_TRUE(standard->actions().contains(save.action()));
    save.setEnabled(false);
    EXPECT_FALSE(save.action()->isEnabled());
    save.action()->setEnabled(true);
    save.action()->trigger();
    EXPECT_EQ(recorder.events, QStringList{QStringLiteral("click Save File")});

    EXPECT_EQ(window.menuBar()->actions().size(), 9);
    EXPECT_EQ(errorNumber([&] { layer->command(QStringLiteral("save file")); }), 50000);
    EXPECT_EQ(errorNumber([&] { layer->dockWindow(QStringLiteral("Nowhere")); }), 50000);
    EXPECT_EQ(errorNumber([&] { layer->addCommand(CommandKind::Plain, QStringLiteral("Exit"), QStringLiteral("Exit")); }),
              ErrKeyAlreadyAssociated);
}

TEST_F(DockLayerTest, ListsExpandIntoEntriesThatCarryTheirItem) {
    Command& recent = layer->command(QStringLiteral("FileRecentFiles"));
    recent.setMaxItems(2);
    for (const char* path : {"/a/one.bb", "/a/two.bb", "/a/three.bb"})
        recent.addItem(QString::fromLatin1(path).section(QLatin1Char('/'), -1), QLatin1String(path));
    ASSERT_EQ(recent.items().size(), 2);
    QMenu& file = layer->popupMenu(QStringLiteral("File"));
    QAction* two = nullptr;
    for (QAction* action : file.actions())
        if (action->text() == QLatin1String("two.bb"))
            two = action;
    ASSERT_TRUE(two);
    two->trigger();
    EXPECT_EQ(recorder.events.last(), QStringLiteral("click FileRecentFiles /a/two.bb"));
    EXPECT_FALSE(recent.clickedItem());

    auto* a = new QWidget;
    layer->documents().add(QStringLiteral("a.bb"), a, QStringLiteral("/x/a.bb"));
    QStringList windowEntries;
    for (QAction* action : layer->popupMenu(QStringLiteral("Window")).actions())
        windowEntries.append(action->text());
    EXPECT_EQ(windowEntries.last(), QStringLiteral("a.bb"));
}

TEST_F(DockLayerTest, DocumentWindowsHaveKeysIdsAndACancellableClose) {
    DocumentArea& area = layer->documents();
    DocumentWindow& a = area.add(QStringLiteral("a.bb"), new QWidget, QStringLiteral("/x/a.bb"));
    DocumentWindow& b = area.add(QStringLiteral("b.bb"), new QWidget, QStringLiteral("/x/b.bb"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\{[0-9A-F-]{36}\\}$")).match(a.id()).hasMatch()) << a.id().toStdString();
    EXPECT_NE(a.id(), b.id());
    EXPECT_EQ(area.find(a.id()), &a);
    EXPECT_EQ(area.active(), &b);
    EXPECT_EQ(errorNumber([&] { area.item(QStringLiteral("/x/c.bb")); }), 50000);
    EXPECT_EQ(recorder.events, (QStringList{"activate /x/a.bb", "deactivate /x/a.bb", "activate /x/b.bb"}));

    recorder.events.clear();
    recorder.cancelHiding = true;
    EXPECT_FALSE(area.setVisible(a, false));
    EXPECT_TRUE(a.visible());
    EXPECT_EQ(area.windowCount(), 2);

    recorder.events.clear();
    recorder.cancelHiding = false;
    const QList<QPointer<DocumentWindow>> walk = area.guardedWindows();
    for (const QPointer<DocumentWindow>& window : walk)
        if (window)
            area.setVisible(*window, false);
    EXPECT_EQ(area.windowCount(), 0);
    EXPECT_TRUE(recorder.events.contains(QStringLiteral("closed /x/a.bb")));
    EXPECT_EQ(recorder.events.mid(recorder.events.size() - 4),
              (QStringList{"hiding /x/b.bb", "deactivate /x/b.bb", "none active", "closed /x/b.bb"}));
}

TEST_F(DockLayerTest, LayoutsLoadAllOrNothingAndCachedObjectsNeverDangle) {
    Command& strict = layer->addCommand(CommandKind::Plain, QStringLiteral("Strict Mode"), QStringLiteral(" Strict On"), QStringLiteral("Compile"));
    strict.setChecked(1);
    layer->command(QStringLiteral("Compile")).addControl(QStringLiteral("Strict Mode"), 0, true);
    layer->command(QStringLiteral("cboCompilers")).setText(QStringLiteral("Blitz"));
    const QString path = homeFile(QStringLiteral("Layouts/Layout0.8_1.mp"));
    ASSERT_TRUE(layer->saveLayout(path));

    QPointer<Command> position = &layer->command(QStringLiteral("Position"));
    ASSERT_TRUE(layer->loadLayout(QStringLiteral(":/Layout.mp")));
    EXPECT_FALSE(layer->findCommand(QStringLiteral("Strict Mode")));
    EXPECT_TRUE(position);

    writeAll(homeFile(QStringLiteral("broken.mp")), "{\"format\": \"Korvo layout 1\", \"commands\": [{\"key\": \"Position\"}]}");
    EXPECT_FALSE(layer->loadLayout(homeFile(QStringLiteral("broken.mp"))));
    EXPECT_TRUE(layer->findCommand(QStringLiteral("Exit")));

    ASSERT_TRUE(layer->loadLayout(path));
    ASSERT_TRUE(layer->findCommand(QStringLiteral("Strict Mode")));
    layer->command(QStringLiteral("cboCompilers")).setText(QStringLiteral("Blitz"));
    EXPECT_EQ(window.findChildren<QComboBox*>(QStringLiteral("cboCompilers")).size(), 1);
    for (QWidget* topLevel : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<QComboBox*>(topLevel) && topLevel->isVisible()) << "a combo left its tool bar";
    EXPECT_EQ(layer->command(QStringLiteral("Strict Mode")).checked(), 1);
    EXPECT_EQ(layer->command(QStringLiteral("Strict Mode")).caption(), QStringLiteral(" Strict On"));
    EXPECT_EQ(layer->command(QStringLiteral("Compile")).findControl(QStringLiteral("Strict Mode")), layer->command(QStringLiteral("Compile")).controlCount());
    EXPECT_EQ(layer->command(QStringLiteral("cboCompilers")).text(), QStringLiteral("Blitz"));

    LayoutData withoutPosition = layer->layout();
    withoutPosition.commands.removeIf([](const CommandData& c) { return c.key == QLatin1String("Position"); });
    for (BarData& bar : withoutPosition.bars)
        bar.controls.removeIf([](const ControlData& c) { return c.key == QLatin1String("Position"); });
    layer->applyLayout(withoutPosition);
    EXPECT_FALSE(position);
    EXPECT_EQ(window.statusBar()->findChildren<QWidget*>(QStringLiteral("Position")).size(), 0);
}

TEST_F(DockLayerTest, DockWindowsAreNamedByTheirKey) {
    EXPECT_EQ(layer->dockWindows().size(), 5);
    DockWindow& output = layer->dockWindow(QStringLiteral("Output"));
    EXPECT_EQ(output.objectName(), QStringLiteral("Output"));
    EXPECT_EQ(output.caption(), QStringLiteral("Output window"));
    EXPECT_EQ(window.dockWidgetArea(&output), Qt::BottomDockWidgetArea);
    EXPECT_EQ(window.tabifiedDockWidgets(&layer->dockWindow(QStringLiteral("Projects"))),
              QList<QDockWidget*>{&layer->dockWindow(QStringLiteral("FileExplorer"))});
    auto* form = new QWidget;
    layer->addDockWindow(QStringLiteral("Extra"), QStringLiteral("Extra"), QIcon(), form, true, DockArea::Right);
    EXPECT_EQ(layer->dockWindow(QStringLiteral("Extra")).form(), form);
}

TEST_F(DockLayerTest, ALaterLayerTakesTheCommandBarLookOfTheFirst) {
    layer->setCommandBarStyle(4, 2, 3);
    QMainWindow other;
    DockLayer later(other);
    EXPECT_EQ(later.commandBarStyle(), 4);
    EXPECT_EQ(later.styleProperty(), 3);
    EXPECT_EQ(later.commandsValue(), 0);
    EXPECT_EQ(other.toolButtonStyle(), window.toolButtonStyle());
}

TEST_F(DockLayerTest, TabGroupsOrderWindowsGroupByGroupAndVanishWhenEmpty) {
    DocumentArea& area = layer->documents();
    recorder.removeOnClose = false;
    DocumentWindow& a = area.add(QStringLiteral("a.bb"), new QWidget, QStringLiteral("a"));
    DocumentWindow& b = area.add(QStringLiteral("b.bb"), new QWidget, QStringLiteral("b"));
    DocumentWindow& c = area.add(QStringLiteral("c.bb"), new QWidget, QStringLiteral("c"));
    const auto keys = [&] {
        QStringList shown;
        for (DocumentWindow* window : area.windows())
            shown.append(window->key() + QString::number(area.groupIndexOf(*window)));
        return shown;
    };

    area.splitOff(a, TabGroupSide::Beside);
    EXPECT_EQ(area.groupCount(), 2);
    EXPECT_EQ(keys(), (QStringList{"b0", "c0", "a1"}));
    EXPECT_EQ(area.active(), &a);

    // A window alone in its group stays where it is.
    area.splitOff(a, TabGroupSide::Below);
    EXPECT_EQ(area.groupCount(), 2);

    // New windows open in the focused group; focusing the first group makes its current tab active.
    DocumentWindow& d = area.add(QStringLiteral("d.bb"), new QWidget, QStringLiteral("d"));
    EXPECT_EQ(keys(), (QStringList{"b0", "c0", "a1", "d1"}));
    area.activate(c);
    area.splitOff(c, TabGroupSide::Below);
    EXPECT_EQ(keys(), (QStringList{"b0", "c1", "a2", "d2"}));
    EXPECT_EQ(area.active(), &c);

    // Closing the last tab of a group drops the group and hands the focus to the group before it.
    recorder.events.clear();
    area.setVisible(c, false);
    EXPECT_EQ(area.groupCount(), 2);
    EXPECT_EQ(area.active(), &b);
    EXPECT_EQ(recorder.events, (QStringList{"hiding c", "deactivate c", "activate b", "closed c"}));
    EXPECT_EQ(keys(), (QStringList{"b0", "a1", "d1", "c-1"}));

    // A hidden window's form outlives the group it was in.
    area.activate(a);
    area.setVisible(a, false);
    area.setVisible(d, false);
    EXPECT_EQ(area.groupCount(), 1);
    area.activate(a);
    EXPECT_EQ(area.active(), &a);
    EXPECT_EQ(area.currentWidget(), a.form());
    EXPECT_EQ(keys(), (QStringList{"b0", "a0", "c-1", "d-1"}));
}
