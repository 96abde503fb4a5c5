#include "platform/CtrlKeyState.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>

namespace platform {

namespace {

class CtrlKeyWatcher : public QObject {
public:
    CtrlKeyState state;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Control && !key->isAutoRepeat()) {
                state.down = type == QEvent::KeyPress;
                if (state.down)
                    state.pressedSinceLastQuery = true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

QPointer<CtrlKeyWatcher> gWatcher;

}

void watchCtrlKey() {
    if (gWatcher || !QCoreApplication::instance())
        return;
    gWatcher = new CtrlKeyWatcher;
    gWatcher->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(gWatcher);
}

CtrlKeyState queryCtrlKey() {
    if (!gWatcher)
        return {};
    const CtrlKeyState now = gWatcher->state;
    gWatcher->state.pressedSinceLastQuery = false;
    return now;
}

}
