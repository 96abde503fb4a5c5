#include "platform/dock/CommandShortcuts.h"

#include "platform/dock/DockLayer.h"

namespace dock {

CommandShortcuts::~CommandShortcuts() {
    for (const QPointer<QShortcut>& shortcut : std::as_const(shortcuts_))
        delete shortcut.data();
}

void CommandShortcuts::sync(Command& command) {
    const QKeySequence keys(command.shortcut());
    QPointer<QShortcut>& shortcut = shortcuts_[&command];
    if (keys.isEmpty()) {
        delete shortcut.data();
        shortcuts_.remove(&command);
        return;
    }
    if (!shortcut) {
        shortcut = new QShortcut(&layer_.window());
        QPointer<Command> guard(&command);
        QObject::connect(shortcut, &QShortcut::activated, &layer_, [this, guard] {
            if (guard)
                layer_.runShortcut(*guard);
        });
    }
    if (shortcut->key() != keys)
        shortcut->setKey(keys);
    shortcut->setAutoRepeat(command.autoRepeat());
}

void CommandShortcuts::drop(const Command& command) {
    delete shortcuts_.take(&command).data();
}

}
