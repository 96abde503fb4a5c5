#include "settings/DarkStyle.h"

namespace {

void appendWords(QByteArray& bytes, int count, char low, char high) {
    for (int i = 0; i < count; ++i) {
        bytes.append(low);
        bytes.append(high);
    }
}

}

ColorStyle DarkStyle() {
    ColorStyle style;
    for (int n = 0; n < kColorStyleSlots; ++n) {
        style.ForeColor[n] = n;
        style.BackColor[n] = n * 256;
        style.AltColor[n] = n * 65536;
        style.FontSize[n] = 10;
    }
    style.FontName[0] = QStringLiteral("Courier New");
    style.Bold[2] = -1;
    style.Italic[1] = -1;
    return style;
}

QByteArray DarkStyleBytes() {
    QByteArray bytes("\x01\x00", 2);
    for (int n = 0; n < kColorStyleSlots; ++n)
        bytes.append(QByteArray(1, char(n)) + QByteArray(3, '\0'));
    for (int n = 0; n < kColorStyleSlots; ++n)
        bytes.append(QByteArray(1, '\0') + QByteArray(1, char(n)) + QByteArray(2, '\0'));
    bytes.append(QByteArray("\x0B\x00", 2) + "Courier New");
    appendWords(bytes, 40, 0, 0);
    bytes.append(QByteArray(41, '\x0A'));
    appendWords(bytes, 2, 0, 0);
    appendWords(bytes, 1, '\xFF', '\xFF');
    appendWords(bytes, 38, 0, 0);
    appendWords(bytes, 1, 0, 0);
    appendWords(bytes, 1, '\xFF', '\xFF');
    appendWords(bytes, 39, 0, 0);
    bytes.append(QByteArray(82, '\0'));
    for (int n = 0; n < kColorStyleSlots; ++n)
        bytes.append(QByteArray(2, '\0') + QByteArray(1, char(n)) + QByteArray(1, '\0'));
    bytes.append(QByteArray("Dark\0", 5));
    bytes.append(QByteArray(50, ' '));
    return bytes;
}
