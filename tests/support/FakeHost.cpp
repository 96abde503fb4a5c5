#include "support/FakeHost.h"

#include "editor/frmDoc.h"
#include "files/OpenDocuments.h"
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
    for (const Window& window : windows)
        if (!window.id.isEmpty() && window.id == key)
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

QStringList FakeHost::documentWindowIds() const {
    QStringList ids;
    for (const Window& window : windows)
        ids.append(window.id);
    return ids;
}

QString FakeHost::documentWindowId(const QString& keyOrId) const {
    const Window* window = find(keyOrId);
    return window ? window->id : QString();
}

bool FakeHost::documentWindowVisible(const QString& keyOrId) const {
    const Window* window = find(keyOrId);
    return window && window->visible;
}

QString FakeHost::addDocumentWindow(const QString& caption, QWidget* form, const QString& key) {
    const QString id = QStringLiteral("{FAKE-%1}").arg(++nextId_);
    windows.append({key, form, caption, id, true});
    activeKey = key.isEmpty() ? id : key;
    return id;
}

void FakeHost::setDocumentWindowForm(const QString& keyOrId, QWidget* form) {
    if (Window* window = find(keyOrId))
        window->form = form;
}

void FakeHost::setDocumentWindowKey(const QString& keyOrId, const QString& key) {
    if (Window* window = find(keyOrId))
        window->key = key;
}

void FakeHost::closeDocumentWindow(const QString& keyOrId) {
    if (const Window* window = find(keyOrId))
        windows.removeAt(window - windows.constData());
}

bool FakeHost::hideDocumentWindow(const QString& keyOrId) {
    const Window* window = find(keyOrId);
    if (!window)
        return true;
    const QString key = window->key;
    if (hideRefused && hideRefused(key))
        return false;
    window = find(key);
    if (!window)
        return true;
    frmDoc* doc = qobject_cast<frmDoc*>(window->form);
    windows.removeAt(window - windows.constData());
    UnloadDocument(doc);
    return true;
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
