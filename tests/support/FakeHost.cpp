#include "support/FakeHost.h"

#include "platform/KorvoError.h"

QStringList FakeHost::documentWindowKeys() const {
    QStringList keys;
    for (const Window& window : windows)
        keys.append(window.key);
    return keys;
}

const FakeHost::Window* FakeHost::find(const QString& key) const {
    for (const Window& window : windows)
        if (window.key == key)
            return &window;
    return nullptr;
}

FakeHost::Window* FakeHost::find(const QString& key) {
    return const_cast<Window*>(std::as_const(*this).find(key));
}

QWidget* FakeHost::documentWindow(const QString& key) const {
    const Window* window = find(key);
    return window ? window->form : nullptr;
}

void FakeHost::activateDocumentWindow(const QString& key) {
    if (!find(key))
        RaiseError(50000, QStringLiteral("Document window not found: ") + key);
    activeKey = key;
}

QString FakeHost::documentWindowCaption(const QString& key) const {
    const Window* window = find(key);
    return window ? window->caption : QString();
}

void FakeHost::setDocumentWindowCaption(const QString& key, const QString& caption) {
    if (Window* window = find(key))
        window->caption = caption;
}

void HostList::AddItem(const QString& caption, const QString& path) {
    QList<platform::CommandListItem> items = host_.commandListItems(key_);
    items.append({caption, path});
    host_.setCommandListItems(key_, items);
}

QStringList HostList::captions() const {
    QStringList out;
    for (const platform::CommandListItem& item : host_.commandListItems(key_))
        out << item.caption;
    return out;
}

QStringList HostList::items() const {
    QStringList out;
    for (const platform::CommandListItem& item : host_.commandListItems(key_))
        out << item.caption + QLatin1Char('|') + item.key;
    return out;
}
