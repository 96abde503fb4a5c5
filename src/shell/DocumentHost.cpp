#include "shell/DocumentHost.h"

#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"
#include "explorer/CodeExplorer.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/KorvoError.h"

DocumentHost::DocumentHost(QWidget* parent) : QTabWidget(parent) {
    platform::setHost(this);
    connect(this, &QTabWidget::currentChanged, this, &DocumentHost::documentWindowActivated);
}

DocumentHost::~DocumentHost() {
    // Tabs go before the host; their documents must not become active then.
    disconnect(this, &QTabWidget::currentChanged, this, &DocumentHost::documentWindowActivated);
    if (&platform::host() == this)
        platform::setHost(nullptr);
}

void DocumentHost::addDocumentWindow(const QString& key, frmDoc* doc, const QString& caption) {
    windows_.insert(key, doc);
    setCurrentIndex(addTab(doc, caption));
}

frmDoc* DocumentHost::document(const QString& key) const {
    return windows_.value(key);
}

frmDoc* DocumentHost::activeDocument() const {
    return qobject_cast<frmDoc*>(currentWidget());
}

int DocumentHost::documentWindowCount() const {
    return count();
}

QStringList DocumentHost::documentWindowKeys() const {
    QStringList keys;
    for (int index = 0; index < count(); ++index)
        keys.append(windows_.key(qobject_cast<frmDoc*>(widget(index))));
    return keys;
}

QWidget* DocumentHost::documentWindow(const QString& key) const {
    return document(key);
}

void DocumentHost::activateDocumentWindow(const QString& key) {
    const int index = indexOf(document(key));
    if (index < 0)
        RaiseError(50000, QStringLiteral("Document window not found: ") + key);
    setCurrentIndex(index);
}

QString DocumentHost::documentWindowCaption(const QString& key) const {
    const int index = indexOf(document(key));
    return index < 0 ? QString() : tabText(index);
}

void DocumentHost::setDocumentWindowCaption(const QString& key, const QString& caption) {
    const int index = indexOf(document(key));
    if (index < 0)
        return;
    setTabText(index, caption);
    emit captionSet(key, caption);
}

void DocumentHost::setRedraw(bool redraw) {
    setUpdatesEnabled(redraw);
}

void DocumentHost::refreshCodeExplorer() {
    frmList::PuniLista();
}

void DocumentHost::invalidateCodeExplorer() {
    frmList::ForgetFills();
}

void DocumentHost::documentWindowActivated() {
    try {
        frmDoc* doc = activeDocument();
        if (doc == active_)
            return;
        if (active_) {
            // The document leaving gives up what it holds back while it is still current.
            ScopedCurrentView leaving(*active_);
            active_->m_oSubclass->DeactivateCheck();
        }
        active_ = doc;
        ActivateDocument(doc);
    } catch (...) {
        SetErrorLog(QStringLiteral("DS_DocumentWindowActivate"), QStringLiteral("frmMain"));
    }
}
