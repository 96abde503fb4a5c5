#include "shell/DocumentHost.h"

#include "editor/CurrentView.h"
#include "editor/DocumentCaption.h"
#include "editor/EditorSetup.h"
#include "editor/frmDoc.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/DocumentWindows.h"
#include "platform/KorvoError.h"

namespace {
DocumentHost* gHost = nullptr;
}

DocumentHost::DocumentHost(QWidget* parent) : QTabWidget(parent) {
    gHost = this;
    platform::setDocumentWindowCounter([this] { return documentCount(); });
    setDocumentCaptionSetter([this](const QString& key, const QString& caption) { setCaption(key, caption); });
    connect(this, &QTabWidget::currentChanged, this, &DocumentHost::documentWindowActivated);
}

DocumentHost::~DocumentHost() {
    // Tabs go before the host; their documents must not become current then.
    disconnect(this, &QTabWidget::currentChanged, this, &DocumentHost::documentWindowActivated);
    if (gHost == this) {
        gHost = nullptr;
        platform::setDocumentWindowCounter({});
        setDocumentCaptionSetter({});
    }
}

void DocumentHost::addDocumentWindow(const QString& key, frmDoc* doc, const QString& caption) {
    windows_.insert(key, doc);
    setCurrentIndex(addTab(doc, caption));
}

frmDoc* DocumentHost::document(const QString& key) const {
    return windows_.value(key);
}

int DocumentHost::documentCount() const {
    return count();
}

QString DocumentHost::caption(const QString& key) const {
    const int index = indexOf(document(key));
    return index < 0 ? QString() : tabText(index);
}

void DocumentHost::setCaption(const QString& key, const QString& caption) {
    const int index = indexOf(document(key));
    if (index < 0)
        return;
    setTabText(index, caption);
    emit captionSet(key, caption);
}

frmDoc* DocumentHost::activeDocument() const {
    return qobject_cast<frmDoc*>(currentWidget());
}

void DocumentHost::activate(const QString& key) {
    const int index = indexOf(document(key));
    if (index < 0)
        RaiseError(50000, QStringLiteral("Document window not found: ") + key);
    setCurrentIndex(index);
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
        if (!doc) {
            gActiveDoc = nullptr;
            return;
        }
        gActiveDoc = doc;
        gSciWndData = doc->SciEdi_WndData;
        gUndoGroupOpen = false;
        doc->m_oSubclass->mOldStartLine = -100;
        doc->m_oSubclass->mJustActivated = true;
    } catch (...) {
        SetErrorLog(QStringLiteral("DS_DocumentWindowActivate"), QStringLiteral("frmMain"));
    }
}
