#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace platform {

// An item of a list command (a recent-items menu) or of a combo: what it
// shows and the key it stands for (a recent item's path).
struct CommandListItem {
    QString caption;
    QString key;
    bool operator==(const CommandListItem&) const = default;
};

// What the layers below the shell ask of the main window, by key: its
// document windows, the state of its commands, its status panes and its
// redraw lock. The main window implements it; tests install a fake. Until
// a host is installed every call does nothing and every query answers
// empty, 0 or false.
class Host {
public:
    virtual ~Host() = default;

    // Document windows, keyed as the documents name them.
    virtual int documentWindowCount() const = 0;
    // In the host's order.
    virtual QStringList documentWindowKeys() const = 0;
    // The form a window hosts; null when no window has the key.
    virtual QWidget* documentWindow(const QString& key) const = 0;
    // Raises error 50000 when no window has the key.
    virtual void activateDocumentWindow(const QString& key) = 0;
    virtual QString documentWindowCaption(const QString& key) const = 0;
    // Nothing when no window has the key.
    virtual void setDocumentWindowCaption(const QString& key, const QString& caption) = 0;
    // True while the documents, not a dock panel, make the active pane.
    virtual bool documentPaneActive() const = 0;
    // The calls below also take a window's ID ("{" + UUID + "}") for its
    // key, as untitled documents name their windows; a key or ID that names
    // no window does nothing and answers empty.
    virtual QStringList documentWindowIds() const = 0;
    virtual QString documentWindowId(const QString& keyOrId) const = 0;
    virtual bool documentWindowVisible(const QString& keyOrId) const = 0;
    // A new visible window hosting the form, made the active one; its ID.
    virtual QString addDocumentWindow(const QString& caption, QWidget* form, const QString& key) = 0;
    virtual void setDocumentWindowForm(const QString& keyOrId, QWidget* form) = 0;
    virtual void setDocumentWindowKey(const QString& keyOrId, const QString& key) = 0;
    // Removes the window without asking; its form stays with its owner.
    virtual void closeDocumentWindow(const QString& keyOrId) = 0;
    // "" when no window is active.
    virtual QString activeDocumentWindowKey() const = 0;
    // The window that the window toggle goes back to.
    virtual QString previousDocumentWindowKey() const = 0;
    virtual void setPreviousDocumentWindowKey(const QString& key) = 0;
    // Hides the window as the user's close does: the main window's save
    // prompt may keep it. True when it no longer shows.
    virtual bool hideDocumentWindow(const QString&) { return false; }
    // "Close All Files": every changed project is saved, then every
    // document window but the help window is hidden in turn, and the open
    // projects go. False when a project could not be written (nothing is
    // closed) or a save prompt kept a document, which stops it there with
    // every project still open.
    virtual bool closeAllDocuments() { return false; }
    // The layout with the shown document windows as one text, and back:
    // the windows of the text that the host lacks come back empty. Loading
    // a text that does not decode changes nothing and answers false.
    virtual QString layoutText() const { return QString(); }
    virtual bool loadLayoutText(const QString&) { return false; }
    // The main window, owner of the modeless dialogs; null without one.
    virtual QWidget* mainWindow() const = 0;

    // Commands, combos included.
    virtual bool hasCommand(const QString& key) const = 0;
    virtual bool commandEnabled(const QString& key) const = 0;
    virtual void setCommandEnabled(const QString& key, bool enabled) = 0;
    virtual bool commandChecked(const QString& key) const = 0;
    virtual void setCommandChecked(const QString& key, bool checked) = 0;
    virtual QString commandCaption(const QString& key) const = 0;
    virtual void setCommandCaption(const QString& key, const QString& caption) = 0;
    virtual QList<CommandListItem> commandListItems(const QString& key) const = 0;
    virtual void setCommandListItems(const QString& key, const QList<CommandListItem>& items) = 0;
    // A list's most entries (0: no limit); the oldest beyond it drop at once.
    virtual int commandListMaxItems(const QString&) const { return 0; }
    virtual void setCommandListMaxItems(const QString&, int) {}
    virtual QString comboText(const QString& key) const = 0;
    virtual void setComboText(const QString& key, const QString& text) = 0;

    // Status panes.
    virtual QString statusPaneText(const QString& key) const = 0;
    virtual void setStatusPaneText(const QString& key, const QString& text) = 0;
    virtual bool statusPaneVisible(const QString& key) const = 0;
    virtual void setStatusPaneVisible(const QString& key, bool visible) = 0;

    // While false, the main window does not repaint.
    virtual void setRedraw(bool redraw) = 0;

    // The code explorer: refresh the lists whose tables changed; or forget
    // what each list was filled from, so that each refills in full next time.
    virtual void refreshCodeExplorer() = 0;
    virtual void invalidateCodeExplorer() = 0;

    // The current view's undo state may have changed.
    virtual void updateSciCommandUI() {}
    // A file dropped on an editor, to open as the user would.
    virtual void openFile(const QString&) {}
};

// The installed host (one that holds nothing until then).
Host& host();
// nullptr uninstalls; a host uninstalls itself before it goes.
void setHost(Host* host);

// Forgets what the code explorer was filled from and refreshes it, as after
// documents or projects closed; inside a CodeExplorerRefillBatch, once when
// the outermost batch ends.
void refillCodeExplorer();

// Closing many documents or projects at once refills the code explorer once,
// not once per document.
class CodeExplorerRefillBatch {
public:
    CodeExplorerRefillBatch();
    ~CodeExplorerRefillBatch();
    CodeExplorerRefillBatch(const CodeExplorerRefillBatch&) = delete;
    CodeExplorerRefillBatch& operator=(const CodeExplorerRefillBatch&) = delete;
};

// Freezes the main window's repainting for a scope.
class RedrawLock {
public:
    RedrawLock() { host().setRedraw(false); }
    ~RedrawLock() { host().setRedraw(true); }
    RedrawLock(const RedrawLock&) = delete;
    RedrawLock& operator=(const RedrawLock&) = delete;
};

// Commands and status panes kept as plain values, for a host without
// command bars: a command or pane exists once something set it, and reads
// as enabled, unchecked, empty and visible until set otherwise.
class HeadlessHost : public Host {
public:
    bool documentPaneActive() const override { return true; }
    bool hasCommand(const QString& key) const override;
    bool commandEnabled(const QString& key) const override;
    void setCommandEnabled(const QString& key, bool enabled) override;
    bool commandChecked(const QString& key) const override;
    void setCommandChecked(const QString& key, bool checked) override;
    QString commandCaption(const QString& key) const override;
    void setCommandCaption(const QString& key, const QString& caption) override;
    QList<CommandListItem> commandListItems(const QString& key) const override;
    void setCommandListItems(const QString& key, const QList<CommandListItem>& items) override;
    int commandListMaxItems(const QString& key) const override;
    void setCommandListMaxItems(const QString& key, int maxItems) override;
    QString comboText(const QString& key) const override;
    void setComboText(const QString& key, const QString& text) override;

    QString statusPaneText(const QString& key) const override;
    void setStatusPaneText(const QString& key, const QString& text) override;
    bool statusPaneVisible(const QString& key) const override;
    void setStatusPaneVisible(const QString& key, bool visible) override;

    // Removes a command, as a main window without it would be.
    void removeCommand(const QString& key) { commands_.remove(key); }

private:
    struct Command {
        bool enabled = true;
        bool checked = false;
        QString caption;
        QList<CommandListItem> items;
        int maxItems = 0;
        QString comboText;
    };
    struct Pane {
        QString text;
        bool visible = true;
    };

    QHash<QString, Command> commands_;
    QHash<QString, Pane> panes_;
};

}
