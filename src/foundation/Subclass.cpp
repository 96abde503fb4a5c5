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

QByteArray copyText(const char* text) {
    return text ? QByteArray(text) : QByteArray();
}
}

void ParseQueue::add(int markerHandle) {
    if (members_.contains(markerHandle))
        return;
    members_.insert(markerHandle);
    order_.append(markerHandle);
}

void ParseQueue::remove(int markerHandle) {
    if (members_.remove(markerHandle))
        order_.removeOne(markerHandle);
}

void ParseQueue::clear() {
    order_.clear();
    members_.clear();
}

cSubclass::~cSubclass() {
    mFrmDoc = nullptr;
    UnSubClass();
}

cSubclass* cSubclass::SubclassFromView(const SciView* view) {
    if (!view)
        return nullptr;
    return qobject_cast<cSubclass*>(view->property(kSubclassProperty).value<QObject*>());
}

void cSubclass::SubClass(SciView* view) {
    if (!view || SubclassFromView(view))
        return;
    view->setProperty(kSubclassProperty, QVariant::fromValue(static_cast<QObject*>(this)));
    routeNotifications(view);
    view->installEventFilter(this);
    mHwnd = view;
}

void cSubclass::UnSubClass() {
    if (!mHwnd)
        return;
    QObject::disconnect(mHwnd, nullptr, this, nullptr);
    mHwnd->removeEventFilter(this);
    mHwnd->setProperty(kSubclassProperty, QVariant());
    mHwnd = nullptr;
}

bool cSubclass::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::KeyPress)
        mKeyText = static_cast<QKeyEvent*>(event)->text().toLatin1();
    else if (event->type() == QEvent::KeyRelease)
        mKeyText.clear();
    return false;
}

void cSubclass::routeNotifications(SciView* view) {
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
    connect(view, &Base::SCN_MODIFYATTEMPTRO, this, simple(SCN_MODIFYATTEMPTRO));
    connect(view, &Base::SCN_DOUBLECLICK, this, [route](int position, int line, int modifiers) {
        route({.code = SCN_DOUBLECLICK, .position = position, .modifiers = modifiers, .line = line});
    });
    connect(view, &Base::SCN_UPDATEUI, this, [route](int updated) {
        route({.code = SCN_UPDATEUI, .updated = updated});
    });
    connect(view, &Base::SCN_MODIFIED, this,
            [route](int position, int modificationType, const char* text, int length, int linesAdded, int line,
                    int foldLevelNow, int foldLevelPrev, int token, int annotationLinesAdded) {
                route({.code = SCN_MODIFIED,
                       .position = position,
                       .modificationType = modificationType,
                       .text = copyText(text, length),
                       .length = length,
                       .linesAdded = linesAdded,
                       .line = line,
                       .foldLevelNow = foldLevelNow,
                       .foldLevelPrev = foldLevelPrev,
                       .token = token,
                       .annotationLinesAdded = annotationLinesAdded});
            });
    connect(view, &Base::SCN_MACRORECORD, this, [route](unsigned int message, unsigned long wParam, void* lParam) {
        route({.code = SCN_MACRORECORD,
               .message = static_cast<int>(message),
               .wParam = wParam,
               .lParam = reinterpret_cast<sptr_t>(lParam)});
    });
    connect(view, &Base::SCN_MARGINCLICK, this, [route](int position, int modifiers, int margin) {
        route({.code = SCN_MARGINCLICK, .position = position, .modifiers = modifiers, .margin = margin});
    });
    connect(view, &Base::SCN_MARGINRIGHTCLICK, this, [route](int position, int modifiers, int margin) {
        route({.code = SCN_MARGINRIGHTCLICK, .position = position, .modifiers = modifiers, .margin = margin});
    });
    connect(view, &Base::SCN_NEEDSHOWN, this, [route](int position, int length) {
        route({.code = SCN_NEEDSHOWN, .position = position, .length = length});
    });
    connect(view, &Base::SCN_PAINTED, this, simple(SCN_PAINTED));
    connect(view, qOverload<const char*, int, int, int, int>(&Base::SCN_USERLISTSELECTION), this,
            [route](const char* selection, int id, int ch, int method, int position) {
                route({.code = SCN_USERLISTSELECTION,
                       .position = position,
                       .ch = ch,
                       .text = copyText(selection),
                       .listType = id,
                       .listCompletionMethod = method});
            });
    connect(view, &Base::SCN_URIDROPPED, this, [route](const QUrl& url) {
        route({.code = SCN_URIDROPPED, .uri = url});
    });
    connect(view, &Base::SCN_DWELLSTART, this, [route](int position, int x, int y) {
        route({.code = SCN_DWELLSTART, .position = position, .x = x, .y = y});
    });
    connect(view, &Base::SCN_DWELLEND, this, [route](int position, int x, int y) {
        route({.code = SCN_DWELLEND, .position = position, .x = x, .y = y});
    });
    connect(view, &Base::SCN_ZOOM, this, simple(SCN_ZOOM));
    connect(view, &Base::SCN_HOTSPOTCLICK, this, [route](int position, int modifiers) {
        route({.code = SCN_HOTSPOTCLICK, .position = position, .modifiers = modifiers});
    });
    connect(view, &Base::SCN_HOTSPOTDOUBLECLICK, this, [route](int position, int modifiers) {
        route({.code = SCN_HOTSPOTDOUBLECLICK, .position = position, .modifiers = modifiers});
    });
    connect(view, &Base::SCN_HOTSPOTRELEASECLICK, this, [route](int position, int modifiers) {
        route({.code = SCN_HOTSPOTRELEASECLICK, .position = position, .modifiers = modifiers});
    });
    connect(view, &Base::SCN_CALLTIPCLICK, this, [route](int direction) {
        route({.code = SCN_CALLTIPCLICK, .position = direction});
    });
    connect(view, qOverload<const char*, int, int, int>(&Base::SCN_AUTOCSELECTION), this,
            [route](const char* selection, int position, int ch, int method) {
                route({.code = SCN_AUTOCSELECTION,
                       .position = position,
                       .ch = ch,
                       .text = copyText(selection),
                       .listCompletionMethod = method});
            });
    connect(view, &Base::SCN_AUTOCSELECTIONCHANGE, this, [route](const char* selection, int id, int position) {
        route({.code = SCN_AUTOCSELECTIONCHANGE, .position = position, .text = copyText(selection), .listType = id});
    });
    connect(view, &Base::SCN_AUTOCCOMPLETED, this, [route](const char* selection, int position, int ch, int method) {
        route({.code = SCN_AUTOCCOMPLETED,
               .position = position,
               .ch = ch,
               .text = copyText(selection),
               .listCompletionMethod = method});
    });
    connect(view, &Base::SCN_AUTOCCANCELLED, this, simple(SCN_AUTOCCANCELLED));
    connect(view, &Base::SCN_AUTOCCHARDELETED, this, simple(SCN_AUTOCCHARDELETED));
    connect(view, &Base::SCN_INDICATORCLICK, this, [route](int position, int modifiers) {
        route({.code = SCN_INDICATORCLICK, .position = position, .modifiers = modifiers});
    });
    connect(view, &Base::SCN_INDICATORRELEASE, this, [route](int position, int modifiers) {
        route({.code = SCN_INDICATORRELEASE, .position = position, .modifiers = modifiers});
    });
    connect(view, &Base::SCN_FOCUSIN, this, simple(SCN_FOCUSIN));
    connect(view, &Base::SCN_FOCUSOUT, this, simple(SCN_FOCUSOUT));
}
