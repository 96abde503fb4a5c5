#include "foundation/Subclass.h"

#include "platform/scintilla/PaintGuard.h"

#include <QKeyEvent>
#include <QVariant>

namespace {
// The view's own record of the object attached to it.
const char* const kSubclassProperty = "nvAdvSubcls";

QByteArray copyText(const char* text, long length) {
    return text ? QByteArray(text, length) : QByteArray();
}
}

cViewSubclass::~cViewSubclass() {
    UnSubClass();
}

cViewSubclass* cViewSubclass::FromView(const SciView* view) {
    if (!view)
        return nullptr;
    return qobject_cast<cViewSubclass*>(view->property(kSubclassProperty).value<QObject*>());
}

void cViewSubclass::SubClass(SciView* view) {
    if (!view || FromView(view))
        return;
    view->setProperty(kSubclassProperty, QVariant::fromValue(static_cast<QObject*>(this)));
    routeNotifications(view);
    view->installEventFilter(this);
    mHwnd = view;
}

void cViewSubclass::UnSubClass() {
    if (!mHwnd)
        return;
    QObject::disconnect(mHwnd, nullptr, this, nullptr);
    mHwnd->removeEventFilter(this);
    mHwnd->setProperty(kSubclassProperty, QVariant());
    mHwnd = nullptr;
}

bool cViewSubclass::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::KeyPress)
        mKeyText = static_cast<QKeyEvent*>(event)->text().toLatin1();
    else if (event->type() == QEvent::KeyRelease)
        mKeyText.clear();
    return false;
}

// Only the notifications the handler acts on are wired.
void cViewSubclass::routeNotifications(SciView* view) {
    using Base = QsciScintillaBase;
    auto route = [this](SciNotification scn) {
        platform::NotificationScope handling;
        WindowProc(scn);
    };
    auto simple = [route](int code) { return [route, code] { route(SciNotification{.code = code}); }; };

    connect(view, &Base::SCN_STYLENEEDED, this, [route](int position) {
        route({.code = SCN_STYLENEEDED, .position = position});
    });
    connect(view, &Base::SCN_CHARADDED, this, [route](int ch) { route({.code = SCN_CHARADDED, .ch = ch}); });
    connect(view, &Base::SCN_SAVEPOINTREACHED, this, simple(SCN_SAVEPOINTREACHED));
    connect(view, &Base::SCN_SAVEPOINTLEFT, this, simple(SCN_SAVEPOINTLEFT));
    connect(view, &Base::SCN_UPDATEUI, this, simple(SCN_UPDATEUI));
    connect(view, &Base::SCN_MODIFIED, this,
            [route](int position, int modificationType, const char* text, int length, int linesAdded) {
                route({.code = SCN_MODIFIED,
                       .position = position,
                       .modificationType = modificationType,
                       .text = copyText(text, length),
                       .length = length,
                       .linesAdded = linesAdded});
            });
    connect(view, &Base::SCN_MARGINCLICK, this, [route](int position, int modifiers, int margin) {
        route({.code = SCN_MARGINCLICK, .position = position, .modifiers = modifiers, .margin = margin});
    });
    connect(view, &Base::SCN_PAINTED, this, simple(SCN_PAINTED));
    connect(view, &Base::SCN_URIDROPPED, this, [route](const QUrl& url) {
        route({.code = SCN_URIDROPPED, .uri = url});
    });
    connect(view, &Base::SCN_FOCUSIN, this, simple(SCN_FOCUSIN));
    connect(view, &Base::SCN_FOCUSOUT, this, simple(SCN_FOCUSOUT));
}
