#pragma once

#include <QHash>
#include <QPointer>
#include <QShortcut>

// The keyboard shortcuts of the commands, run by the layer itself rather
// than by the QActions, so each one asks the host first (it may cancel)
// and repeats while held when its command says so.
namespace dock {

class Command;
class DockLayer;

class CommandShortcuts {
public:
    explicit CommandShortcuts(DockLayer& layer) : layer_(layer) {}
    ~CommandShortcuts();

    // Follows the command's shortcut and auto-repeat flag.
    void sync(Command& command);
    void drop(const Command& command);

private:
    DockLayer& layer_;
    QHash<const Command*, QPointer<QShortcut>> shortcuts_;
};

}
