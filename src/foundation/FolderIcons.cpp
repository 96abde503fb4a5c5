#include "foundation/FolderIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QColor kBack(0xC9, 0x8A, 0x1B);
const QColor kFront(0xF2, 0xC0, 0x4A);
const QColor kEdge(0x8A, 0x5A, 0x0A);

// A 16-pixel folder: its back with the tab, then the front the caller draws.
QIcon drawFolder(void (*drawFront)(QPainter&)) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kEdge, 1));
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(6.5, 3.5);
    back.lineTo(7.5, 5.0);
    back.lineTo(14.5, 5.0);
    back.lineTo(14.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    painter.setBrush(kBack);
    painter.drawPath(back);
    drawFront(painter);
    painter.end();
    return QIcon(pixmap);
}

void closedFront(QPainter& painter) {
    painter.setBrush(kFront);
    painter.drawRect(QRectF(1.5, 6.5, 13, 7));
}

void openFront(QPainter& painter) {
    // A white sheet shows in the open folder.
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(3.5, 4.5, 10, 6));
    // The front flap falls open: a slanted panel, the back showing above it.
    QPainterPath front;
    front.moveTo(4.0, 10.5);
    front.lineTo(15.5, 10.5);
    front.lineTo(12.5, 13.5);
    front.lineTo(1.0, 13.5);
    front.closeSubpath();
    painter.setBrush(kFront);
    painter.drawPath(front);
}

}

QIcon ClosedFolderIcon() {
    static const QIcon icon = drawFolder(closedFront);
    return icon;
}

QIcon OpenFolderIcon() {
    static const QIcon icon = drawFolder(openFront);
    return icon;
}
