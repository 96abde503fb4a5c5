#include "platform/scintilla/PaintGuard.h"

#include <QThread>

#include <vector>

namespace platform {
namespace {

int gPaintDepth = 0;
int gPutOff = 0;
// The event loop level of each open notification, innermost last.
std::vector<int>& notificationLoops() {
    static std::vector<int> loops;
    return loops;
}

int loopLevel() {
    return QThread::currentThread()->loopLevel();
}

}

PaintScope::PaintScope() {
    ++gPaintDepth;
}

PaintScope::~PaintScope() {
    --gPaintDepth;
}

NotificationScope::NotificationScope() {
    notificationLoops().push_back(loopLevel());
}

NotificationScope::~NotificationScope() {
    notificationLoops().pop_back();
}

bool insidePaint() {
    return gPaintDepth > 0;
}

bool paintWouldReenter() {
    return insidePaint() || (!notificationLoops().empty() && notificationLoops().back() == loopLevel());
}

void notePutOffPaint() {
    ++gPutOff;
}

int reentrantPaints() {
    return gPutOff;
}

}
