#pragma once

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QShortcut>

class QWidget;

// The keyboard shortcuts of the commands, run by the layer itself rather
// than by the QActions. When Qt is about to take a command's key for a
// shortcut, the host decides first: it lets the shortcut run, or leaves
// the key to the focused widget. Only a command's first shortcut repeats
// while held, and only when the command says so. A window of a layer
// nested in this one's may keep a key from it while the focus is inside.
namespace dock {

class Command;
class DockLayer;

class CommandShortcuts : public QObject {
public:
    explicit CommandShortcuts(DockLayer& layer);
    ~CommandShortcuts() override;

    // Follows the command's shortcuts and auto-repeat flag; a change of
    // anything else about the command leaves its shortcuts as they are.
    void sync(Command& command);
    void drop(const Command& command);
    // Whether the host has already let this key of the command pass; asking
    // forgets it.
    bool takePassed(const Command& command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void forgetKeys(const Command& command);
    // Whether the widget lies in the window of a layer inside this one's that keeps the key.
    bool keptByInnerWindow(const QWidget& widget, const QKeySequence& keys) const;

    struct Synced {
        QPointer<Command> command;  // null once that command is gone, whatever now lives at its address
        QStringList texts;
        bool autoRepeat = false;
    };

    DockLayer& layer_;
    QHash<const Command*, QList<QPointer<QShortcut>>> shortcuts_;
    QHash<const Command*, Synced> synced_;
    QHash<int, QPointer<Command>> commandsByKey_;  // QKeyCombination::toCombined
    QPointer<Command> passed_;
};

}
