#pragma once

#include <QRect>
#include <QWidget>

#include <cmath>

// Korvo's controls keep their positions and sizes in twips (1440 per inch,
// 15 per pixel at 96 dots per inch) and convert only where a widget is placed.
namespace twips {

inline int perPixelX(const QWidget* widget) {
    return qMax(1, qRound(1440.0 / widget->logicalDpiX()));
}

inline int perPixelY(const QWidget* widget) {
    return qMax(1, qRound(1440.0 / widget->logicalDpiY()));
}

// Rounds a half to the even neighbour, as every conversion to a whole
// number of twips does.
inline int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(qBound(-2147483648.0, value, 2147483647.0)));
}

inline QRect toPixels(const QWidget* widget, const QRect& twipsRect) {
    const double x = perPixelX(widget);
    const double y = perPixelY(widget);
    return QRect(qRound(twipsRect.x() / x), qRound(twipsRect.y() / y),
                 qRound(twipsRect.width() / x), qRound(twipsRect.height() / y));
}

}
