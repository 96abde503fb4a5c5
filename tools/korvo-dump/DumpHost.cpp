#include "DumpHost.h"

#include "editor/ActiveDocument.h"
#include "platform/KorvoError.h"

DumpHost::DumpHost() {
    platform::setHost(this);
}

DumpHost::~DumpHost() {
    platform::setHost(nullptr);
}

const DumpHost::Window* DumpHost::find(const QString& keyOrId) const {
    for (const Window& window : windows_)
        if (window.key == keyOrId)
            return &window;
    for (const Window& window : windows_)
        if (window.id == keyOrId)
            return &window;
    return nullptr;
}

DumpHost::Window* DumpHost::find(const QString& keyOrId) {
    return const_cast<Window*>(std::as_const(*this).find(keyOrId));
}

QStringList DumpHost::documentWindowKeys() const {
    QStringList keys;
    for (const Window& window : windows_)
        keys.append(window.key);
    return keys;
}

QWidget* DumpHost::documentWindow(const QString& key) const {
    const Window* window = find(key);
    return window ? window->form.data() : nullptr;
}

void DumpHost::activateDocumentWindow(const QString& key) {
    const Window* window = find(key);
    if (!window)
        RaiseError(50000, QStringLiteral("Document window not found: ") + key);
    activeKey_ = window->key;
    if (auto* doc = qobject_cast<frmDoc*>(window->form.data()))
        ActivateDocument(doc);
}

QString DumpHost::documentWindowCaption(const QString& key) const {
    const Window* window = find(key);
    return window ? window->caption : QString();
}

void DumpHost::setDocumentWindowCaption(const QString& key, const QString& caption) {
    if (Window* window = find(key))
        window->caption = caption;
}

QStringList DumpHost::documentWindowIds() const {
    QStringList ids;
    for (const Window& window : windows_)
        ids.append(window.id);
    return ids;
}

QString DumpHost::documentWindowId(const QString& keyOrId) const {
    const Window* window = find(keyOrId);
    return window ? window->id : QString();
}

QString DumpHost::addDocumentWindow(const QString& caption, QWidget* form, const QString& key) {
    const QString id = QStringLiteral("{DUMP-%1}").arg(++nextId_);
    windows_.append({key, id, caption, form});
    activeKey_ = key.isEmpty() ? id : key;
    return id;
}

void DumpHost::setDocumentWindowForm(const QString& keyOrId, QWidget* form) {
    if (Window* window = find(keyOrId))
        window->form = form;
}

void DumpHost::setDocumentWindowKey(const QString& keyOrId, const QString& key) {
    if (Window* window = find(keyOrId))
        window->key = key;
}

void DumpHost::closeDocumentWindow(const QString& keyOrId) {
    if (const Window* window = find(keyOrId))
        windows_.removeAt(window - windows_.constData());
}
