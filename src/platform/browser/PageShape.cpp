#include "platform/browser/PageShape.h"

#include <QSet>

namespace browser {
namespace {

// Elements that hold nothing, or whose end pages often leave out: neither
// makes the page deeper.
bool nestsNothing(QStringView name) {
    static const QSet<QString> names{
        QStringLiteral("area"), QStringLiteral("base"),   QStringLiteral("basefont"), QStringLiteral("br"),
        QStringLiteral("col"),  QStringLiteral("embed"),  QStringLiteral("frame"),    QStringLiteral("hr"),
        QStringLiteral("img"),  QStringLiteral("input"),  QStringLiteral("link"),     QStringLiteral("meta"),
        QStringLiteral("param"), QStringLiteral("source"), QStringLiteral("track"),   QStringLiteral("wbr"),
        QStringLiteral("p"),    QStringLiteral("li"),     QStringLiteral("dt"),       QStringLiteral("dd"),
        QStringLiteral("tr"),   QStringLiteral("td"),     QStringLiteral("th"),       QStringLiteral("option"),
        QStringLiteral("thead"), QStringLiteral("tbody"), QStringLiteral("tfoot"),    QStringLiteral("colgroup"),
        QStringLiteral("html"), QStringLiteral("head"),   QStringLiteral("body")};
    return names.contains(name.toString().toLower());
}

bool isNameChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char(':');
}

}

QString pageShapeFault(const QString& html) {
    int depth = 0;
    int tableDepth = 0;
    int images = 0;
    int bodyStyleElements = 0;
    bool inBody = false;
    qsizetype at = 0;
    qsizetype nextGt = -2;  // searched again only once passed, so the text is read at most twice
    while ((at = html.indexOf(QLatin1Char('<'), at)) >= 0) {
        ++at;
        if (QStringView(html).mid(at, 3) == QLatin1String("!--")) {
            const qsizetype end = html.indexOf(QLatin1String("-->"), at + 3);
            if (end < 0)
                break;  // the rest is one comment
            at = end + 3;
            continue;
        }
        const bool closing = at < html.size() && html[at] == QLatin1Char('/');
        const qsizetype nameStart = closing ? at + 1 : at;
        qsizetype nameEnd = nameStart;
        while (nameEnd < html.size() && isNameChar(html[nameEnd]))
            ++nameEnd;
        if (nameEnd == nameStart)
            continue;
        const QStringView name = QStringView(html).mid(nameStart, nameEnd - nameStart);
        at = nameEnd;
        if (nextGt == -2 || (nextGt >= 0 && nextGt < at))
            nextGt = html.indexOf(QLatin1Char('>'), at);
        const bool selfClosing = nextGt > 0 && html[nextGt - 1] == QLatin1Char('/');
        if (name.compare(QLatin1String("body"), Qt::CaseInsensitive) == 0)
            inBody = true;
        else if (name.compare(QLatin1String("img"), Qt::CaseInsensitive) == 0 && !closing && ++images > kMaxImages)
            return QStringLiteral("more than %1 images").arg(kMaxImages);
        else if (inBody && !closing &&
                 (name.compare(QLatin1String("link"), Qt::CaseInsensitive) == 0 ||
                  name.compare(QLatin1String("style"), Qt::CaseInsensitive) == 0) &&
                 ++bodyStyleElements > kMaxBodyStyleElements)
            return QStringLiteral("more than %1 style sheets in its body").arg(kMaxBodyStyleElements);
        if (selfClosing || nestsNothing(name))
            continue;
        if (name.compare(QLatin1String("table"), Qt::CaseInsensitive) == 0) {
            if (closing)
                tableDepth = std::max(0, tableDepth - 1);
            else if (++tableDepth > kMaxTableNesting)
                return QStringLiteral("tables nested more than %1 deep").arg(kMaxTableNesting);
        }
        if (closing)
            depth = std::max(0, depth - 1);
        else if (++depth > kMaxNesting)
            return QStringLiteral("elements nested more than %1 deep").arg(kMaxNesting);
    }
    return QString();
}

}
