#include "platform/dock/LayerHost.h"

#include "platform/dock/DockLayer.h"
#include "platform/dock/DockWindow.h"

#include <QApplication>
#include <QPointer>

namespace dock {

int LayerHost::documentWindowCount() const {
    return layer_.documents().windowCount();
}

QStringList LayerHost::documentWindowKeys() const {
    QStringList keys;
    for (const DocumentWindow* window : layer_.documents().windows())
        keys.append(window->key());
    return keys;
}

QWidget* LayerHost::documentWindow(const QString& key) const {
    const DocumentWindow* window = layer_.documents().find(key);
    return window ? window->form() : nullptr;
}

void LayerHost::activateDocumentWindow(const QString& key) {
    layer_.documents().activate(layer_.documents().item(key));
}

bool LayerHost::documentPaneActive() const {
    const QWidget* focus = QApplication::focusWidget();
    for (const DockWindow* window : layer_.dockWindows())
        if (focus && window->isAncestorOf(focus))
            return false;
    return true;
}

QString LayerHost::documentWindowCaption(const QString& key) const {
    const DocumentWindow* window = layer_.documents().find(key);
    return window ? window->caption() : QString();
}

void LayerHost::setDocumentWindowCaption(const QString& key, const QString& caption) {
    if (DocumentWindow* window = layer_.documents().find(key))
        layer_.documents().setCaption(*window, caption);
}

QStringList LayerHost::documentWindowIds() const {
    QStringList ids;
    for (const DocumentWindow* window : layer_.documents().windows())
        ids.append(window->id());
    return ids;
}

QString LayerHost::documentWindowId(const QString& keyOrId) const {
    const DocumentWindow* window = layer_.documents().find(keyOrId);
    return window ? window->id() : QString();
}

bool LayerHost::documentWindowVisible(const QString& keyOrId) const {
    const DocumentWindow* window = layer_.documents().find(keyOrId);
    return window && window->visible();
}

QString LayerHost::addDocumentWindow(const QString& caption, QWidget* form, const QString& key) {
    return layer_.documents().add(caption, form, key).id();
}

void LayerHost::setDocumentWindowForm(const QString& keyOrId, QWidget* form) {
    if (DocumentWindow* window = layer_.documents().find(keyOrId))
        layer_.documents().setForm(*window, form);
}

void LayerHost::setDocumentWindowKey(const QString& keyOrId, const QString& key) {
    if (DocumentWindow* window = layer_.documents().find(keyOrId))
        window->setKey(key);
}

bool LayerHost::hideDocumentWindow(const QString& keyOrId) {
    QPointer<DocumentWindow> window = layer_.documents().find(keyOrId);
    if (!window)
        return true;
    layer_.documents().setVisible(*window, false);
    return !window || !window->visible();
}

QString LayerHost::layoutText() const {
    return layer_.layoutText();
}

void LayerHost::closeDocumentWindow(const QString& keyOrId) {
    if (DocumentWindow* window = layer_.documents().find(keyOrId)) {
        layer_.documents().setForm(*window, nullptr);
        layer_.documents().remove(*window);
    }
}

bool LayerHost::hasCommand(const QString& key) const {
    return layer_.findCommand(key);
}

bool LayerHost::commandEnabled(const QString& key) const {
    const Command* command = layer_.findCommand(key);
    return command && command->enabled();
}

void LayerHost::setCommandEnabled(const QString& key, bool enabled) {
    if (Command* command = layer_.findCommand(key))
        command->setEnabled(enabled);
}

bool LayerHost::commandChecked(const QString& key) const {
    const Command* command = layer_.findCommand(key);
    return command && command->checked();
}

void LayerHost::setCommandChecked(const QString& key, bool checked) {
    if (Command* command = layer_.findCommand(key))
        command->setChecked(checked ? 1 : 0);
}

QString LayerHost::commandCaption(const QString& key) const {
    const Command* command = layer_.findCommand(key);
    return command ? command->caption() : QString();
}

void LayerHost::setCommandCaption(const QString& key, const QString& caption) {
    if (Command* command = layer_.findCommand(key))
        command->setCaption(caption);
}

QList<platform::CommandListItem> LayerHost::commandListItems(const QString& key) const {
    QList<platform::CommandListItem> items;
    if (const Command* command = layer_.findCommand(key))
        for (const ListItemData& item : command->items())
            items.append({item.caption, item.key});
    return items;
}

void LayerHost::setCommandListItems(const QString& key, const QList<platform::CommandListItem>& items) {
    Command* command = layer_.findCommand(key);
    if (!command)
        return;
    QList<ListItemData> listed;
    for (const platform::CommandListItem& item : items)
        listed.append({item.caption, item.key});
    if (command->maxItems() > 0 && listed.size() > command->maxItems())
        listed.resize(command->maxItems());
    command->setItems(std::move(listed));
}

int LayerHost::commandListMaxItems(const QString& key) const {
    const Command* command = layer_.findCommand(key);
    return command ? command->maxItems() : 0;
}

void LayerHost::setCommandListMaxItems(const QString& key, int maxItems) {
    if (Command* command = layer_.findCommand(key))
        command->setMaxItems(maxItems);
}

QString LayerHost::comboText(const QString& key) const {
    const Command* command = layer_.findCommand(key);
    return command ? command->text() : QString();
}

void LayerHost::setComboText(const QString& key, const QString& text) {
    if (Command* command = layer_.findCommand(key))
        command->setText(text);
}

QString LayerHost::statusPaneText(const QString& key) const {
    return comboText(key);
}

void LayerHost::setStatusPaneText(const QString& key, const QString& text) {
    setComboText(key, text);
}

bool LayerHost::statusPaneVisible(const QString& key) const {
    const Command* command = layer_.findCommand(key);
    return command && command->visible();
}

void LayerHost::setStatusPaneVisible(const QString& key, bool visible) {
    if (Command* command = layer_.findCommand(key))
        command->setVisible(visible);
}

QString LayerHost::activeDocumentWindowKey() const {
    const DocumentWindow* active = layer_.documents().active();
    return active ? active->key() : QString();
}

QWidget* LayerHost::mainWindow() const {
    return &layer_.window();
}

void LayerHost::setRedraw(bool redraw) {
    layer_.setRedraw(redraw);
}

}
