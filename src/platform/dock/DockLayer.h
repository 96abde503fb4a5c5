#pragma once

#include "platform/dock/Command.h"
#include "platform/dock/CommandBar.h"
#include "platform/dock/DocumentArea.h"
#include "platform/dock/DockWindow.h"
#include "platform/dock/LayoutData.h"

#include <QHash>
#include <QIcon>
#include <QList>
#include <QMainWindow>
#include <QMenu>

#include <memory>

// The docking layer of one host window: every command by key with its
// QAction, the command bars and popups, the status panes, the dock windows
// and the central area of document windows, and the layouts that store
// all of it but the documents. Its events go to the host's one handler.
// Lookups by key raise error 50000 when nothing matches; finds return null.
namespace dock {

class DockEvents;
class BarWidgets;
class CommandShortcuts;

class DockLayer : public QObject {
    Q_OBJECT
public:
    explicit DockLayer(QMainWindow& window);
    ~DockLayer() override;

    // The handler must outlive the window, or be unset before it goes.
    void setEvents(DockEvents* events);
    QMainWindow& window() const { return window_; }
    DocumentArea& documents() const { return *documents_; }

    // Commands.
    Command* findCommand(const QString& key) const;
    Command& command(const QString& key) const;
    QList<Command*> commands() const { return commands_; }
    // Raises error 457 when the key is taken.
    Command& addCommand(CommandKind kind, const QString& key, const QString& caption, const QString& group = QString(),
                        const QString& category = QString());
    // The popup's menu, filled with its entries as they stand now.
    QMenu& popupMenu(const QString& popupKey);
    // Shows a popup at the mouse pointer.
    void showPopup(const QString& popupKey);
    // Runs a command as a click would, for a list with its entry.
    void click(Command& command, std::optional<ListItemData> entry = std::nullopt);
    void comboTextEntered(Command& command);
    // A command's shortcut was pressed: the host may cancel it.
    void runShortcut(Command& command);

    // Command bars.
    CommandBar* findBar(const QString& key) const;
    CommandBar& bar(const QString& key) const;
    QList<CommandBar*> bars() const { return bars_; }

    // Dock windows.
    DockWindow* findDockWindow(const QString& key) const;
    DockWindow& dockWindow(const QString& key) const;
    QList<DockWindow*> dockWindows() const { return docks_; }
    DockWindow& addDockWindow(const QString& key, const QString& caption, const QIcon& picture, QWidget* form,
                              bool visible, DockArea area = DockArea::Left);
    // Pictures of the dock windows, keyed like them.
    QHash<QString, QIcon>& dockPictures() { return dockPictures_; }

    // Layouts. Loading is all or nothing: a missing or faulty file changes
    // nothing and returns false. Saving is atomic and creates the folder.
    LayoutData layout() const;
    void applyLayout(const LayoutData& layout);
    bool loadLayout(const QString& path);
    bool saveLayout(const QString& path) const;

    // Redrawing of the whole host window.
    void setRedraw(bool redraw);

private:
    void dropCommand(Command* command);
    void watchDockWindow(DockWindow& window);
    void placeDockWindows(const QList<DockData>& docks);

    QMainWindow& window_;
    DockEvents* events_ = nullptr;
    DocumentArea* documents_;
    QList<Command*> commands_;
    QHash<QString, Command*> commandsByKey_;
    QList<CommandBar*> bars_;
    QList<DockWindow*> docks_;
    QHash<QString, QIcon> dockPictures_;
    QHash<QString, QMenu*> popupMenus_;
    std::unique_ptr<BarWidgets> barWidgets_;
    std::unique_ptr<CommandShortcuts> shortcuts_;
};

}
