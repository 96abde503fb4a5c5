#include "foundation/controls/SortArrows.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QPolygon>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

class SortArrowStyle : public QProxyStyle {
public:
    // A proxy owns its base, so it wraps a copy of the application's style.
    SortArrowStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        const auto* header = qobject_cast<const QHeaderView*>(widget);
        if (element != PE_IndicatorHeaderArrow || !header) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        drawArrow(option, painter, header->sortIndicatorOrder() == Qt::AscendingOrder);
    }

private:
    static void drawArrow(const QStyleOption* option, QPainter* painter, bool pointsUp) {
        const QRect area = option->rect;
        // An odd width keeps the tip on a whole pixel.
        const int width = (qMin(9, qMin(area.width(), area.height() * 2)) - 1) | 1;
        if (width < 3)
            return;
        const int height = (width + 1) / 2;
        const int left = area.x() + (area.width() - width) / 2;
        const int top = area.y() + (area.height() - height) / 2;
        const int tipY = pointsUp ? top : top + height - 1;
        const int baseY = pointsUp ? top + height - 1 : top;
        const QPolygon triangle({QPoint(left, baseY), QPoint(left + width - 1, baseY), QPoint(left + width / 2, tipY)});
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        const QColor colour = option->palette.color(QPalette::ButtonText);
        painter->setPen(colour);
        painter->setBrush(colour);
        painter->drawPolygon(triangle);
        painter->restore();
    }
};

}

void UseKorvoSortArrows(QHeaderView* header) {
    auto* style = new SortArrowStyle;
    style->setParent(header);
    header->setStyle(style);
}
