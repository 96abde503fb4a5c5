#include "platform/dock/HostLayer.h"

#include "platform/dock/DockLayer.h"

#include <QPointer>

namespace dock {
namespace {
QPointer<DockLayer>& installed() {
    static QPointer<DockLayer> layer;
    return layer;
}
}

void setHostLayer(DockLayer* layer) {
    installed() = layer;
}

DockLayer* hostLayer() {
    return installed();
}

}
