#include "platform/dock/CommandBar.h"

#include "platform/dock/Controls.h"

namespace dock {

CommandBar::CommandBar(BarData data, QObject* parent) : QObject(parent), data_(std::move(data)) {}

void CommandBar::setData(BarData data) {
    const bool visibilityMoved = data.visible != data_.visible;
    data_ = std::move(data);
    emit entriesChanged();
    if (visibilityMoved)
        emit visibilityChanged(data_.visible);
}

void CommandBar::setVisible(bool visible) {
    if (data_.visible == visible)
        return;
    data_.visible = visible;
    emit visibilityChanged(visible);
}

int CommandBar::findControl(const QString& key) const {
    return controls::find(data_.controls, key);
}

void CommandBar::addControl(const QString& key, int position, bool groupStart) {
    controls::insert(data_.controls, {key, groupStart}, position);
    emit entriesChanged();
}

void CommandBar::deleteControl(int position) {
    controls::remove(data_.controls, position);
    emit entriesChanged();
}

}
