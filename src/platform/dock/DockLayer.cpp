#include "platform/dock/DockLayer.h"

#include "platform/KorvoError.h"
#include "platform/dock/BarWidgets.h"
#include "platform/dock/CommandShortcuts.h"
#include "platform/dock/DockEvents.h"
#include "platform/dock/LayoutFile.h"
#include "platform/dock/LayoutText.h"

#include <QAction>
#include <QCursor>
#include <QMap>
#include <QToolBar>

namespace dock {
namespace {

Qt::DockWidgetArea qtArea(DockArea area) {
    switch (area) {
    case DockArea::Right: return Qt::RightDockWidgetArea;
    case DockArea::Top: return Qt::TopDockWidgetArea;
    case DockArea::Bottom: return Qt::BottomDockWidgetArea;
    default: return Qt::LeftDockWidgetArea;
    }
}

DockArea dockArea(Qt::DockWidgetArea area, DockArea fallback) {
    switch (area) {
    case Qt::LeftDockWidgetArea: return DockArea::Left;
    case Qt::RightDockWidgetArea: return DockArea::Right;
    case Qt::TopDockWidgetArea: return DockArea::Top;
    case Qt::BottomDockWidgetArea: return DockArea::Bottom;
    default: return fallback;
    }
}

QList<DockLayer*>& allLayers() {
    static QList<DockLayer*> layers;
    return layers;
}

[[noreturn]] void raiseNotFound(const QString& what, const QString& key) {
    RaiseError(50000, QStringLiteral("No %1 '%2'").arg(what, key));
}

}

DockLayer::DockLayer(QMainWindow& window)
    : QObject(&window), window_(window), documents_(new DocumentArea(&window)),
      barWidgets_(std::make_unique<BarWidgets>(*this)), shortcuts_(std::make_unique<CommandShortcuts>(*this)) {
    // A layer made after the looks were applied (the help window's) looks like the others.
    if (!allLayers().isEmpty()) {
        const DockLayer& first = *allLayers().first();
        setCommandBarStyle(first.commandBarStyle_, commandsValue_, first.styleProperty_);
    }
    allLayers().append(this);
    window_.setCentralWidget(documents_);
    window_.setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks | QMainWindow::AllowNestedDocks);
}

DockLayer::~DockLayer() {
    setEvents(nullptr);
    allLayers().removeOne(this);
}

QList<DockLayer*> DockLayer::layers() {
    return allLayers();
}

void DockLayer::setEvents(DockEvents* events) {
    events_ = events;
    documents_->setEvents(events);
}

Command* DockLayer::findCommand(const QString& key) const {
    return commandsByKey_.value(key);
}

Command& DockLayer::command(const QString& key) const {
    Command* found = findCommand(key);
    if (!found)
        raiseNotFound(QStringLiteral("command"), key);
    return *found;
}

Command& DockLayer::addCommand(CommandKind kind, const QString& key, const QString& caption, const QString& group,
                               const QString& category) {
    if (key.isEmpty() || commandsByKey_.contains(key))
        RaiseError(ErrKeyAlreadyAssociated, QStringLiteral("The command '%1' exists already").arg(key));
    CommandData data;
    data.kind = kind;
    data.key = key;
    data.caption = caption;
    data.group = group;
    data.category = category;
    auto* command = new Command(std::move(data), this);
    commands_.append(command);
    commandsByKey_.insert(key, command);
    connect(command->action(), &QAction::triggered, this, [this, command] { click(*command); });
    connect(command, &Command::changed, this, [this, command] { shortcuts_->sync(*command); });
    connect(command, &Command::entriesChanged, this, [this, command] {
        for (const CommandBar* bar : std::as_const(bars_))
            if (bar->findControl(command->key()))
                barWidgets_->rebuild(*bar);
    });
    return *command;
}

void DockLayer::dropCommand(Command* command) {
    shortcuts_->drop(*command);
    commands_.removeOne(command);
    commandsByKey_.remove(command->key());
    delete popupMenus_.take(command->key());
    delete command;
}

QMenu& DockLayer::popupMenu(const QString& popupKey) {
    Command& popup = command(popupKey);
    QMenu*& menu = popupMenus_[popupKey];
    if (!menu) {
        menu = new QMenu(&window_);
        popup.action()->setMenu(menu);
        QPointer<Command> guard(&popup);
        connect(menu, &QMenu::aboutToShow, this, [this, guard, menu] {
            if (guard)
                barWidgets_->fillMenu(*menu, *guard);
        });
    }
    barWidgets_->fillMenu(*menu, popup);
    return *menu;
}

void DockLayer::showPopup(const QString& popupKey) {
    popupMenu(popupKey).popup(QCursor::pos());
}

void DockLayer::click(Command& command, std::optional<ListItemData> entry) {
    QPointer<Command> guard(&command);
    command.setClickedItem(std::move(entry));
    if (events_)
        events_->CommandClick(command);
    if (guard) {
        guard->setClickedItem(std::nullopt);
        guard->action()->setChecked(guard->checked() != 0);
    }
}

void DockLayer::comboTextEntered(Command& command) {
    if (events_)
        events_->ComboTextEntered(command);
}

bool DockLayer::askShortcut(Command& command, const QKeySequence& keys) {
    bool cancel = false;
    if (events_)
        events_->ShortcutAboutToRun(command, keys, cancel);
    return !cancel;
}

void DockLayer::runShortcut(Command& command, const QKeySequence& keys) {
    QPointer<Command> guard(&command);
    const bool passed = shortcuts_->takePassed(command) || askShortcut(command, keys.isEmpty() ? QKeySequence(command.shortcut()) : keys);
    if (guard && passed && guard->enabled())
        click(*guard);
}

CommandBar* DockLayer::findBar(const QString& key) const {
    for (CommandBar* bar : bars_)
        if (bar->key() == key)
            return bar;
    return nullptr;
}

CommandBar& DockLayer::bar(const QString& key) const {
    CommandBar* found = findBar(key);
    if (!found)
        raiseNotFound(QStringLiteral("command bar"), key);
    return *found;
}

DockWindow* DockLayer::findDockWindow(const QString& key) const {
    for (DockWindow* window : docks_)
        if (window->key() == key)
            return window;
    return nullptr;
}

DockWindow& DockLayer::dockWindow(const QString& key) const {
    DockWindow* found = findDockWindow(key);
    if (!found)
        raiseNotFound(QStringLiteral("dock window"), key);
    return *found;
}

DockWindow& DockLayer::addDockWindow(const QString& key, const QString& caption, const QIcon& picture, QWidget* form,
                                     bool visible, DockArea area) {
    if (findDockWindow(key))
        RaiseError(ErrKeyAlreadyAssociated, QStringLiteral("The dock window '%1' exists already").arg(key));
    auto* window = new DockWindow(key, caption, &window_);
    window->setWindowIcon(picture);
    window->setArea(area);
    window->setForm(form);
    docks_.append(window);
    window_.addDockWidget(qtArea(area), window);
    watchDockWindow(*window);
    window->setVisible(visible);
    return *window;
}

void DockLayer::watchDockWindow(DockWindow& window) {
    connect(window.toggleViewAction(), &QAction::toggled, this, [this, &window](bool shown) {
        if (!events_)
            return;
        if (shown)
            events_->DockWindowShown(window);
        else
            events_->DockWindowHidden(window);
    });
    connect(&window, &QDockWidget::topLevelChanged, this, [this, &window](bool floating) {
        if (!events_)
            return;
        if (floating)
            events_->DockWindowMoveBegin(window);
        else
            events_->DockWindowMoveEnd();
    });
}

LayoutData DockLayer::layout() const {
    LayoutData layout;
    for (const Command* command : commands_) {
        CommandData data = command->data();
        if (data.kind == CommandKind::WindowList)
            data.items.clear();
        layout.commands.append(std::move(data));
    }
    for (const CommandBar* bar : bars_) {
        BarData data = bar->data();
        if (const QToolBar* toolBar = barWidgets_->toolBar(bar->key()))
            data.visible = !toolBar->isHidden();
        layout.bars.append(std::move(data));
    }
    for (const DockWindow* window : docks_)
        layout.docks.append({window->key(), window->caption(), dockArea(window_.dockWidgetArea(const_cast<DockWindow*>(window)), window->area()),
                             !window->isHidden()});
    layout.windowState = window_.saveState();
    return layout;
}

void DockLayer::keepFirstHoldersOfShortcuts(const LayoutData& layout) {
    QHash<QString, Command*> holders;
    for (const CommandData& data : layout.commands) {
        Command* command = findCommand(data.key);
        if (!command)
            continue;
        QStringList kept;
        for (const QString& text : command->shortcuts()) {
            const QString portable = QKeySequence(text).toString(QKeySequence::PortableText);
            Command* holder = holders.value(portable);
            if (!portable.isEmpty() && holder && holder != command) {
                if (events_)
                    events_->ShortcutTakenTwice(*holder, *command, portable);
                continue;
            }
            holders.insert(portable, command);
            kept.append(text);
        }
        if (kept.size() != command->shortcuts().size())
            command->setShortcuts(kept);
    }
}

void DockLayer::applyLayout(const LayoutData& layout) {
    QHash<QString, const CommandData*> wanted;
    for (const CommandData& data : layout.commands)
        wanted.insert(data.key, &data);
    for (Command* command : QList<Command*>(commands_))
        if (!wanted.contains(command->key()) || wanted.value(command->key())->kind != command->kind())
            dropCommand(command);
    for (const CommandData& data : layout.commands) {
        Command* command = findCommand(data.key);
        if (!command)
            command = &addCommand(data.kind, data.key, data.caption);
        command->setData(data);
    }
    keepFirstHoldersOfShortcuts(layout);
    // Commands keep their layout order, which is the order of UpdateCommandUI's walk.
    std::sort(commands_.begin(), commands_.end(), [&layout](const Command* a, const Command* b) {
        const auto position = [&layout](const Command* c) {
            for (qsizetype i = 0; i < layout.commands.size(); ++i)
                if (layout.commands[i].key == c->key())
                    return i;
            return layout.commands.size();
        };
        return position(a) < position(b);
    });

    for (CommandBar* bar : QList<CommandBar*>(bars_)) {
        const bool kept = std::any_of(layout.bars.begin(), layout.bars.end(),
                                      [bar](const BarData& d) { return d.key == bar->key() && d.kind == bar->kind(); });
        if (!kept) {
            barWidgets_->forget(bar->key());
            bars_.removeOne(bar);
            delete bar;
        }
    }
    for (const BarData& data : layout.bars) {
        CommandBar* bar = findBar(data.key);
        if (!bar) {
            bar = new CommandBar(data, this);
            bars_.append(bar);
            connect(bar, &CommandBar::entriesChanged, this, [this, bar] { barWidgets_->rebuild(*bar); });
            connect(bar, &CommandBar::visibilityChanged, this, [this, bar] { barWidgets_->rebuild(*bar); });
        }
        {
            const QSignalBlocker blocker(bar);
            bar->setData(data);
        }
    }
    barWidgets_->rebuildAll();
    placeDockWindows(layout.docks);
    if (!layout.windowState.isEmpty())
        window_.restoreState(layout.windowState);
}

void DockLayer::placeDockWindows(const QList<DockData>& docks) {
    for (DockWindow* window : QList<DockWindow*>(docks_)) {
        const bool kept = std::any_of(docks.begin(), docks.end(), [window](const DockData& d) { return d.key == window->key(); });
        if (!kept) {
            window->setForm(nullptr);
            docks_.removeOne(window);
            delete window;
        }
    }
    QMap<DockArea, DockWindow*> firstOfArea;
    for (const DockData& data : docks) {
        DockWindow* window = findDockWindow(data.key);
        if (!window) {
            window = new DockWindow(data.key, data.caption, &window_);
            docks_.append(window);
            watchDockWindow(*window);
        }
        window->setCaption(data.caption);
        window->setArea(data.area);
        window_.addDockWidget(qtArea(data.area), window);
        if (DockWindow* first = firstOfArea.value(data.area))
            window_.tabifyDockWidget(first, window);
        else
            firstOfArea.insert(data.area, window);
        window->setVisible(data.visible);
    }
    for (DockWindow* first : std::as_const(firstOfArea))
        first->raise();
}

bool DockLayer::loadLayout(const QString& path) {
    const std::optional<LayoutData> layout = readLayoutFile(path);
    if (!layout)
        return false;
    applyLayout(*layout);
    return true;
}

bool DockLayer::saveLayout(const QString& path) const {
    return writeLayoutFile(path, layout());
}

QString DockLayer::layoutText() const {
    LayoutTextData data{layout(), {}};
    for (DocumentWindow* window : documents_->windows())
        if (window->visible())
            data.documents.append({window->key(), window->caption(), documents_->groupIndexOf(*window),
                                   window == documents_->active()});
    return layoutToText(data);
}

bool DockLayer::loadLayoutText(const QString& text) {
    const std::optional<LayoutTextData> data = layoutFromText(text);
    if (!data)
        return false;
    applyLayout(data->layout);
    int group = 0;
    QPointer<DocumentWindow> active;
    for (const DocumentWindowData& entry : data->documents) {
        if (documents_->find(entry.key))
            continue;
        DocumentWindow& window = documents_->add(entry.caption, nullptr, entry.key);
        if (entry.group > group)
            documents_->splitOff(window, TabGroupSide::Beside);
        group = entry.group;
        if (entry.active)
            active = &window;
    }
    if (active)
        documents_->activate(*active);
    return true;
}

void DockLayer::setRedraw(bool redraw) {
    window_.setUpdatesEnabled(redraw);
}

QWidget* DockLayer::firstToolBarWidget(const QString& barKey) const {
    QToolBar* toolBar = barWidgets_->toolBar(barKey);
    if (!toolBar || toolBar->actions().isEmpty())
        return nullptr;
    return toolBar->widgetForAction(toolBar->actions().first());
}

}
