#include "platform/WindowUpdateLock.h"

#include <QPointer>
#include <QWidget>

namespace platform {

bool LockWindowUpdate(QWidget* window) {
    static QPointer<QWidget> locked;
    if (!window) {
        if (locked)
            locked->setUpdatesEnabled(true);
        locked = nullptr;
        return true;
    }
    if (locked)
        return false;
    locked = window;
    window->setUpdatesEnabled(false);
    return true;
}

}
