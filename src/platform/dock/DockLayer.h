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
#include <QPointer>

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
    // Whether the host lets a shortcut of the command run now.
    bool askShortcut(Command& command, const QKeySequence& keys);
    // A shortcut of the command was pressed (its first one when keys is
    // empty): unless the host already let it pass, it may cancel it.
    void runShortcut(Command& command, const QKeySequence& keys = QKeySequence());

    // A key that the host window keeps while the focus is inside it: the
    // shortcuts of the layers around it leave it to the focused widget.
    void keepFromOuterLayers(const QKeySequence& keys) { keptKeys_.append(keys); }
    bool keepsFromOuterLayers(const QKeySequence& keys) const { return keptKeys_.contains(keys); }

    // Command bars.
    CommandBar* findBar(const QString& key) const;
    CommandBar& bar(const QString& key) const;
    QList<CommandBar*> bars() const { return bars_; }
    // The first control shown on a tool bar; null when it shows none.
    QWidget* firstToolBarWidget(const QString& barKey) const;

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
    // The layout with the shown document windows as one text. Loading it
    // restores the windows missing from the area as empty ones, in their
    // groups (each new group beside the one before), and activates the
    // window that was active.
    QString layoutText() const;
    bool loadLayoutText(const QString& text);

    // Redrawing of the whole host window.
    void setRedraw(bool redraw);

    // The user's change of menus and tool bars: the host hears of its
    // beginning now and of its end when the scope closes, however it closes.
    class Customization {
    public:
        explicit Customization(DockLayer& layer);
        ~Customization();
        Customization(const Customization&) = delete;
        Customization& operator=(const Customization&) = delete;

    private:
        QPointer<DockLayer> layer_;
    };

    // Appearance. The dock-window style numbers 0 to 5 and the command-bar
    // style numbers 0 to 4 each have a look of their own; the further
    // values are kept as given.
    void setDockWindowStyle(int style);
    int dockWindowStyle() const { return dockWindowStyle_; }
    void setCommandBarStyle(int style, int commandsValue, int styleProperty);
    int commandBarStyle() const { return commandBarStyle_; }
    int commandsValue() const { return commandsValue_; }
    int styleProperty() const { return styleProperty_; }

    // Every docking layer that exists, in order of creation.
    static QList<DockLayer*> layers();

private:
    void dropCommand(Command* command);
    void watchDockWindow(DockWindow& window);
    void placeDockWindows(const QList<DockData>& docks);
    // A shortcut that the layout gives to several commands stays with the first.
    void keepFirstHoldersOfShortcuts(const LayoutData& layout);

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
    QList<QKeySequence> keptKeys_;
    int dockWindowStyle_ = 0;
    int commandBarStyle_ = 2;
    int commandsValue_ = 0;
    int styleProperty_ = 0;
};

}
