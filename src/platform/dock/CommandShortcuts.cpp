#include "platform/dock/CommandShortcuts.h"

#include "platform/dock/DockLayer.h"

#include <QApplication>
#include <QKeyEvent>

namespace dock {

CommandShortcuts::CommandShortcuts(DockLayer& layer) : layer_(layer) {
    qApp->installEventFilter(this);
}

CommandShortcuts::~CommandShortcuts() {
    for (const QList<QPointer<QShortcut>>& shortcuts : std::as_const(shortcuts_))
        for (const QPointer<QShortcut>& shortcut : shortcuts)
            delete shortcut.data();
}

void CommandShortcuts::sync(Command& command) {
    const Synced wanted{&command, command.shortcuts(), command.autoRepeat()};
    const auto synced = synced_.constFind(&command);
    if (synced != synced_.cend() && synced->command == &command && synced->texts == wanted.texts &&
        synced->autoRepeat == wanted.autoRepeat)
        return;
    drop(command);
    synced_.insert(&command, wanted);
    const QStringList& texts = wanted.texts;
    QPointer<Command> guard(&command);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QKeySequence keys(texts[i]);
        if (keys.isEmpty())
            continue;
        auto* shortcut = new QShortcut(keys, &layer_.window());
        shortcut->setAutoRepeat(i == 0 && command.autoRepeat());
        connect(shortcut, &QShortcut::activated, &layer_, [this, guard, keys] {
            if (guard)
                layer_.runShortcut(*guard, keys);
        });
        shortcuts_[&command].append(shortcut);
        commandsByKey_.insert(keys[0].toCombined(), guard);
    }
}

void CommandShortcuts::drop(const Command& command) {
    synced_.remove(&command);
    for (const QPointer<QShortcut>& shortcut : shortcuts_.take(&command))
        delete shortcut.data();
    forgetKeys(command);
}

void CommandShortcuts::forgetKeys(const Command& command) {
    for (auto it = commandsByKey_.begin(); it != commandsByKey_.end();)
        it = !it.value() || it.value() == &command ? commandsByKey_.erase(it) : std::next(it);
}

bool CommandShortcuts::takePassed(const Command& command) {
    const bool passed = passed_ == &command;
    passed_ = nullptr;
    return passed;
}

bool CommandShortcuts::keptByInnerWindow(const QWidget& widget, const QKeySequence& keys) const {
    for (const DockLayer* inner : DockLayer::layers()) {
        const QWidget& window = inner->window();
        if (inner != &layer_ && layer_.window().isAncestorOf(&window) &&
            (&window == &widget || window.isAncestorOf(&widget)) && inner->keepsFromOuterLayers(keys))
            return true;
    }
    return false;
}

bool CommandShortcuts::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || (widget != &layer_.window() && !layer_.window().isAncestorOf(widget)))
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // A keypad key matches the shortcut of the same key, as Qt's own lookup does.
    const QKeyCombination combination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key()));
    Command* command = commandsByKey_.value(combination.toCombined());
    if (!command || !command->enabled() || keptByInnerWindow(*widget, QKeySequence(combination)))
        return false;
    if (layer_.askShortcut(*command, QKeySequence(combination))) {
        event->ignore();
        passed_ = command;
    } else {
        event->accept();
        passed_ = nullptr;
    }
    return true;
}

}
