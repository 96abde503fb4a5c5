#include "platform/dock/Command.h"

#include "platform/dock/Controls.h"

#include <QKeySequence>

namespace dock {

Command::Command(CommandData data, QObject* parent) : QObject(parent), data_(std::move(data)), action_(new QAction(this)) {
    updateAction();
}

void Command::setData(CommandData data) {
    const bool entriesMoved = data.controls != data_.controls;
    data_ = std::move(data);
    clicked_.reset();
    announce();
    if (entriesMoved)
        emit entriesChanged();
}

void Command::updateAction() {
    // The shortcut is shown in the caption; the layer runs it itself, so it
    // can be gated and repeated.
    QString text = data_.caption;
    if (!shortcut().isEmpty())
        text += QLatin1Char('\t') + QKeySequence(shortcut()).toString(QKeySequence::NativeText);
    action_->setText(text);
    action_->setIconText(data_.caption);
    action_->setEnabled(data_.enabled);
    action_->setCheckable(data_.checked != 0 || action_->isCheckable());
    action_->setChecked(data_.checked != 0);
    action_->setVisible(data_.visible);
}

void Command::announce() {
    updateAction();
    emit changed();
}

void Command::setCaption(const QString& caption) {
    data_.caption = caption;
    announce();
}

void Command::setCategory(const QString& category) {
    data_.category = category;
}

void Command::setEnabled(bool enabled) {
    if (data_.enabled == enabled)
        return;
    data_.enabled = enabled;
    announce();
}

void Command::setChecked(int checked) {
    data_.checked = checked ? 1 : 0;
    action_->setCheckable(true);
    announce();
}

void Command::setVisible(bool visible) {
    data_.visible = visible;
    announce();
}

void Command::setPicture(const QString& picture) {
    data_.picture = picture;
    announce();
}

void Command::setShortcuts(const QStringList& shortcuts) {
    data_.shortcuts = shortcuts;
    announce();
}

void Command::setShortcut(const QString& shortcut) {
    QStringList shortcuts = data_.shortcuts;
    if (!shortcuts.isEmpty())
        shortcuts.removeFirst();
    if (!shortcut.isEmpty())
        shortcuts.prepend(shortcut);
    setShortcuts(shortcuts);
}

void Command::setAutoRepeat(bool autoRepeat) {
    data_.autoRepeat = autoRepeat;
    emit changed();
}

const ControlData& Command::control(int position) {
    return controls::at(data_.controls, position);
}

int Command::findControl(const QString& key) const {
    return controls::find(data_.controls, key);
}

void Command::addControl(const QString& key, int position, bool groupStart) {
    controls::insert(data_.controls, {key, groupStart}, position);
    emit entriesChanged();
}

void Command::setGroupStart(int position, bool groupStart) {
    controls::at(data_.controls, position).groupStart = groupStart;
    emit entriesChanged();
}

void Command::deleteControl(int position) {
    controls::remove(data_.controls, position);
    emit entriesChanged();
}

void Command::clearItems() {
    data_.items.clear();
    announce();
}

void Command::addItem(const QString& caption, const QString& key) {
    if (data_.maxItems > 0 && data_.items.size() >= data_.maxItems)
        return;
    data_.items.append({caption, key});
    announce();
}

void Command::setItems(QList<ListItemData> items) {
    data_.items = std::move(items);
    announce();
}

void Command::setMaxItems(int maxItems) {
    data_.maxItems = qMax(0, maxItems);
    while (data_.maxItems > 0 && data_.items.size() > data_.maxItems)
        data_.items.removeLast();
    announce();
}

void Command::setText(const QString& text) {
    if (data_.text == text)
        return;
    data_.text = text;
    announce();
}

void Command::setWidth(int twips) {
    data_.width = qMax(0, twips);
    announce();
}

void Command::setProgress(int value, int maximum) {
    progressMaximum_ = qMax(0, maximum);
    progressValue_ = qBound(0, value, progressMaximum_);
    announce();
}

void Command::setHostedWidget(QWidget* widget) {
    hosted_ = widget;
    announce();
}

}
