#include "StyleText.h"
#include "DumpCommand.h"

#include "platform/AnsiText.h"

#include <QRegularExpression>

#include <cstdio>

namespace {

QString unescaped(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\\') || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const QChar next = text[++i];
        out += next == QLatin1Char('r') ? QChar('\r') : next == QLatin1Char('n') ? QChar('\n') : next;
    }
    return out;
}

QString hex8(long colour) {
    return QStringLiteral("%1").arg(quint32(colour), 8, 16, QLatin1Char('0')).toUpper();
}

bool parseSlotLine(const QString& line, StyleFileContent& content, QString& problem) {
    static const QRegularExpression slotLine(QStringLiteral(
        "^slot (\\d+) ([0-9A-Fa-f]{1,8}) ([0-9A-Fa-f]{1,8}) ([0-9A-Fa-f]{1,8}) (\\d+) (-?\\d+) (-?\\d+) (-?\\d+)(?: (.*))?$"));
    const QRegularExpressionMatch match = slotLine.match(line);
    const int slot = match.hasMatch() ? match.captured(1).toInt() : -1;
    const int size = match.hasMatch() ? match.captured(5).toInt() : -1;
    if (slot < 0 || slot >= kColorStyleSlots || size > 255) {
        problem = QStringLiteral("not a slot line: ") + line;
        return false;
    }
    ColorStyle& style = content.style;
    style.ForeColor[slot] = long(match.captured(2).toUInt(nullptr, 16));
    style.BackColor[slot] = long(match.captured(3).toUInt(nullptr, 16));
    style.AltColor[slot] = long(match.captured(4).toUInt(nullptr, 16));
    style.FontSize[slot] = static_cast<unsigned char>(size);
    style.Bold[slot] = static_cast<short>(match.captured(6).toInt());
    style.Italic[slot] = static_cast<short>(match.captured(7).toInt());
    style.Underline[slot] = static_cast<short>(match.captured(8).toInt());
    style.FontName[slot] = match.captured(9);
    return true;
}

}

QStringList StyleTextLines(const StyleFileContent& content) {
    QStringList lines{QStringLiteral("version 1"), QStringLiteral("description ") + shownLineEnds(content.description)};
    const ColorStyle& style = content.style;
    for (int slot = 0; slot < kColorStyleSlots; ++slot) {
        QString line = QStringLiteral("slot %1 %2 %3 %4 %5 %6 %7 %8")
                           .arg(slot)
                           .arg(hex8(style.ForeColor[slot]), hex8(style.BackColor[slot]), hex8(style.AltColor[slot]))
                           .arg(style.FontSize[slot])
                           .arg(style.Bold[slot])
                           .arg(style.Italic[slot])
                           .arg(style.Underline[slot]);
        if (!style.FontName[slot].isEmpty())
            line += QLatin1Char(' ') + style.FontName[slot];
        lines.append(line);
    }
    return lines;
}

std::optional<StyleFileContent> ParseStyleText(const QString& text, QString& problem) {
    StyleFileContent content;
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QString descriptionTag = QStringLiteral("description");
    if (lines.size() != 2 + kColorStyleSlots || lines[0] != QLatin1String("version 1") ||
        !(lines[1] == descriptionTag || lines[1].startsWith(descriptionTag + QLatin1Char(' ')))) {
        problem = QStringLiteral("expected \"version 1\", a description line and %1 slot lines").arg(kColorStyleSlots);
        return std::nullopt;
    }
    content.description = unescaped(lines[1].mid(descriptionTag.size() + 1));
    for (qsizetype i = 2; i < lines.size(); ++i)
        if (!parseSlotLine(lines[i], content, problem))
            return std::nullopt;
    return content;
}

std::optional<StyleFileContent> ReadStyleFile(const QString& path) {
    QByteArray bytes;
    if (!platform::readFileBytes(path, bytes)) {
        std::fprintf(stderr, "%s\n", platform::fileReadFailure(path).toUtf8().constData());
        return std::nullopt;
    }
    const ParsedStyle parsed = ParseStyle(bytes);
    if (!parsed.ok()) {
        std::fprintf(stderr, "%s: %s\n", path.toUtf8().constData(), parsed.problem().toUtf8().constData());
        return std::nullopt;
    }
    return parsed.content;
}
