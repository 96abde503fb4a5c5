#include "settings/ColourBox.h"

#include <QPainter>

namespace {
constexpr int kPadding = 2;
}

QColor QColorOfBgr(long colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

ColourBox::ColourBox(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setFixedSize(sizeHint());
    setColour(0);
}

void ColourBox::setColour(long colour) {
    colour_ = colour;
    setText(QStringLiteral("%1").arg(quint32(colour), 8, 16, QLatin1Char('0')).toUpper());
    update();
}

void ColourBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColorOfBgr(colour_));
    painter.setPen(palette().color(hasFocus() ? QPalette::Highlight : QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

StyleLabel::StyleLabel(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    setText(caption);
    setCursor(Qt::PointingHandCursor);
}

void StyleLabel::setSelected(bool selected) {
    selected_ = selected;
    update();
}

QSize StyleLabel::sizeHint() const {
    return fontMetrics().size(Qt::TextSingleLine, text()) + QSize(2 * kPadding, 2 * kPadding);
}

void StyleLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
    if (selected_)
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
