#include "settings/StyleIcons.h"

#include <QPainter>
#include <QPixmap>

namespace {

// Three colour stripes, as on a swatch card.
QPixmap swatch() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(64, 64, 64));
    const QColor stripes[] = {QColor(200, 40, 40), QColor(40, 150, 40), QColor(40, 70, 200)};
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(stripes[i]);
        painter.drawRect(1 + i * 5, 2, 4, 12);
    }
    return pixmap;
}

QPixmap tick() {
    QPixmap pixmap = swatch();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF mark[] = {{3, 8}, {6.5, 12}, {13, 3}};
    painter.drawPolyline(mark, 3);
    painter.setPen(QPen(QColor(0, 120, 0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(mark, 3);
    return pixmap;
}

}

QIcon StyleListIcon(const QString& key) {
    static const QIcon style(swatch());
    static const QIcon checked(tick());
    return key == QLatin1String("checked") ? checked : style;
}
