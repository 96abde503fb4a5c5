#include "language/complete/QuickHelp.h"

void QuickHelp::show(const QString& text, int colourStart, int colourLength, const QColor& colour) {
    text_ = text;
    colourStart_ = colourStart;
    colourLength_ = colourLength;
    colour_ = colour;
    emit changed();
}

void QuickHelp::clear() {
    show(QString(), 0, 0, QColor());
}

QuickHelp& quickHelp() {
    static QuickHelp line;
    return line;
}
