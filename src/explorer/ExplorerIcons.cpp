#include "explorer/ExplorerIcons.h"

#include <QPainter>
#include <QPixmap>

namespace {

struct Picture {
    const char* key;
    QRgb colour;
    char letter;
};

// The review's kinds share the colours and letters of their lists.
constexpr Picture kPictures[] = {
    {"imgFunctions", 0x2E7D32, 'F'}, {"function", 0x2E7D32, 'F'}, {"imgGlobals", 0x1565C0, 'G'},
    {"global", 0x1565C0, 'G'},       {"imgTypes", 0x6A1B9A, 'T'}, {"type", 0x6A1B9A, 'T'},
    {"imgArrays", 0xEF6C00, 'A'},    {"array", 0xEF6C00, 'A'},    {"imgConstants", 0xC62828, 'C'},
    {"constant", 0xC62828, 'C'},     {"imgLabels", 0x00838F, 'L'}, {"label", 0x00838F, 'L'},
    {"imgIncludes", 0x5D4037, 'I'},  {"imgLocals", 0x558B2F, 'l'}, {"local", 0x558B2F, 'l'},
    {"imgFields", 0x8E24AA, 'f'},    {"field", 0x8E24AA, 'f'},     {"Project", 0x37474F, 'P'},
    {"File", 0x37474F, 'D'},
};

QIcon draw(QRgb colour, char letter) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(colour));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    if (letter) {
        QFont font = painter.font();
        font.setPixelSize(11);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QString(QLatin1Char(letter)));
    }
    return QIcon(pixmap);
}

}

QIcon ExplorerIcon(const QString& key) {
    for (const Picture& picture : kPictures)
        if (key == QLatin1String(picture.key))
            return draw(picture.colour, picture.letter);
    return draw(0x9E9E9E, 0);
}
