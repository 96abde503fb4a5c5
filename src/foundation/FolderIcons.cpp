#include "foundation/FolderIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QColor kBack(0xC9, 0x8A, 0x1B);
const QColor kFront(0xF2, 0xC0, 0x4A);
const QColor kEdge(0x8A, 0x5A, 0x0A);

QPixmap canvas() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The folder's back with its tab.
void drawBack(QPainter& painter) {
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
}

QIcon drawClosedFolder() {
    QPixmap pixmap = canvas();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kEdge, 1));
    drawBack(painter);
    painter.setBrush(kFront);
    painter.drawRect(QRectF(1.5, 6.5, 13, 7));
    return QIcon(pixmap);
}

QIcon drawOpenFolder() {
    QPixmap pixmap = canvas();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kEdge, 1));
    drawBack(painter);
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
    return QIcon(pixmap);
}

}

QIcon ClosedFolderIcon() {
    static const QIcon icon = drawClosedFolder();
    return icon;
}

QIcon OpenFolderIcon() {
    static const QIcon icon = drawOpenFolder();
    return icon;
}
