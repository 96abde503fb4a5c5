#include "platform/browser/PageSource.h"

#include "platform/AnsiText.h"
#include "platform/browser/PageShape.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

namespace browser {
namespace {

const QRegularExpression kAttribute(QStringLiteral(R"re(([\w-]+)\s*=\s*("[^"]*"|'[^']*'|[^\s>]+))re"));

QString attributeValue(const QString& attributes, const QString& name) {
    auto it = kAttribute.globalMatch(attributes);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        if (match.captured(1).compare(name, Qt::CaseInsensitive) != 0)
            continue;
        QString value = match.captured(2);
        if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')))
            value = value.mid(1, value.size() - 2);
        return value.trimmed();
    }
    return QString();
}

QString declaredCharset(const QByteArray& bytes) {
    static const QRegularExpression charset(QStringLiteral(R"re(charset\s*=\s*["']?([\w.:-]+))re"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QByteArray head = bytes.left(2048);
    return charset.match(QString::fromLatin1(head)).captured(1);
}

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

// One search for the start and one for the end, so that many unclosed
// titles cost no more than one.
QString extractTitle(const QString& html) {
    static const QRegularExpression open(QStringLiteral(R"re(<title[^<>]*>)re"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch start = open.match(html);
    if (!start.hasMatch())
        return QString();
    const qsizetype end = html.indexOf(QLatin1String("</title"), start.capturedEnd(), Qt::CaseInsensitive);
    if (end < 0)
        return QString();
    QString text = html.mid(start.capturedEnd(), end - start.capturedEnd()).simplified();
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

// Finds the <link ...> and <style ...>...</style> elements of a text in
// one pass: the next '>' and the next style end are kept and searched again
// only once passed, so no part of the text is read more than twice.
class ElementScanner {
public:
    explicit ElementScanner(const QString& text) : text_(text) {}

    // The next element's start and end, or -1 when there is none.
    std::pair<qsizetype, qsizetype> next() {
        while ((at_ = text_.indexOf(QLatin1Char('<'), at_)) >= 0) {
            const qsizetype start = at_++;
            const bool link = startsTag(start, u"link");
            if (!link && !startsTag(start, u"style"))
                continue;
            const qsizetype tagEnd = nextAfter(nextGt_, start, [this](qsizetype from) { return text_.indexOf(QLatin1Char('>'), from); });
            if (tagEnd < 0)
                return {-1, -1};  // no tag can close any more
            if (link) {
                at_ = tagEnd + 1;
                return {start, at_};
            }
            const qsizetype close = nextAfter(styleClose_, tagEnd + 1, [this](qsizetype from) { return findStyleClose(from); });
            if (close < 0)
                continue;
            at_ = closeEnd(close);
            return {start, at_};
        }
        return {-1, -1};
    }

private:
    bool startsTag(qsizetype at, QStringView name) const {
        const QStringView rest = QStringView(text_).mid(at + 1);
        if (!rest.startsWith(name, Qt::CaseInsensitive))
            return false;
        if (rest.size() == name.size())
            return true;
        const QChar after = rest[name.size()];
        return !after.isLetterOrNumber() && after != QLatin1Char('_');
    }
    // The cached position when it lies at or after from, else a new search;
    // -1 stays, since a later search cannot find more.
    template <typename Search>
    qsizetype nextAfter(qsizetype& cached, qsizetype from, Search search) {
        if (cached == kUnknown || (cached >= 0 && cached < from))
            cached = search(from);
        return cached;
    }
    // Past the blanks after "</style": where its '>' is, else -1.
    qsizetype closeGt(qsizetype close) const {
        qsizetype i = close + 7;
        while (i < text_.size() && text_[i].isSpace())
            ++i;
        return i < text_.size() && text_[i] == QLatin1Char('>') ? i : -1;
    }
    qsizetype closeEnd(qsizetype close) const { return closeGt(close) + 1; }
    // The first "</style" at or after from that blanks and '>' close.
    qsizetype findStyleClose(qsizetype from) const {
        for (qsizetype close = text_.indexOf(QLatin1String("</style"), from, Qt::CaseInsensitive); close >= 0;
             close = text_.indexOf(QLatin1String("</style"), close + 1, Qt::CaseInsensitive))
            if (closeGt(close) >= 0)
                return close;
        return -1;
    }

    static constexpr qsizetype kUnknown = -2;
    const QString& text_;
    qsizetype at_ = 0;
    qsizetype nextGt_ = kUnknown;
    qsizetype styleClose_ = kUnknown;
};

// Rich text keeps no link targets: each targeted link is numbered instead.
QString numberTargetedLinks(const QString& html, QList<TargetedLink>& links) {
    static const QRegularExpression anchor(QStringLiteral(R"re(<a(\s[^<>]*)>)re"), QRegularExpression::CaseInsensitiveOption);
    QString out;
    qsizetype done = 0;
    auto it = anchor.globalMatch(html);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const QString attributes = match.captured(1);
        const QString target = attributeValue(attributes, QStringLiteral("target"));
        const QString href = attributeValue(attributes, QStringLiteral("href"));
        if (target.isEmpty() || href.isEmpty())
            continue;
        out += html.mid(done, match.capturedStart() - done);
        out += QStringLiteral("<a href=\"%1%2\">").arg(QLatin1String(kTargetedLinkScheme)).arg(links.size());
        links.append({href, target});
        done = match.capturedEnd();
    }
    out += html.mid(done);
    return out;
}

}

QString decodeHtml(const QByteArray& bytes) {
    const QString charset = declaredCharset(bytes);
    if (!charset.isEmpty()) {
        QStringDecoder decoder(charset.toLatin1().constData());
        if (decoder.isValid())
            return decoder.decode(bytes);
    }
    return platform::fromUtf8OrAnsi(bytes);
}

QString hoistHeadElements(const QString& html) {
    static const QRegularExpression body(QStringLiteral(R"(<body\b)"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression head(QStringLiteral(R"(<head\b[^<>]*>)"), QRegularExpression::CaseInsensitiveOption);
    const qsizetype bodyAt = body.match(html).capturedStart();
    const QString before = bodyAt < 0 ? html : html.left(bodyAt);
    const QRegularExpressionMatch headMatch = head.match(before);
    const qsizetype headEnd = headMatch.hasMatch() ? headMatch.capturedEnd() : -1;
    const qsizetype headClose = headEnd < 0 ? -1 : before.indexOf(QLatin1String("</head"), headEnd, Qt::CaseInsensitive);
    ElementScanner scan(before);
    QString moved;
    QString rest;
    qsizetype done = 0;
    int count = 0;
    bool dropped = false;
    for (auto element = scan.next(); element.first >= 0; element = scan.next()) {
        const bool keep = ++count <= kMaxHeadElements;
        if (keep && headEnd >= 0 && element.first >= headEnd && headClose > element.first)
            continue;  // already inside <head>
        rest += QStringView(before).mid(done, element.first - done);
        if (keep)
            moved += QStringView(before).mid(element.first, element.second - element.first);
        dropped = dropped || !keep;
        done = element.second;
    }
    if (moved.isEmpty() && !dropped)
        return html;
    rest += QStringView(before).mid(done);
    const QString after = bodyAt < 0 ? QString() : html.mid(bodyAt);
    const QRegularExpressionMatch restHead = head.match(rest);
    if (restHead.hasMatch())
        return rest.insert(restHead.capturedEnd(), moved) + after;
    static const QRegularExpression htmlTag(QStringLiteral(R"(<html\b[^<>]*>)"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch htmlMatch = htmlTag.match(rest);
    const qsizetype at = htmlMatch.hasMatch() ? htmlMatch.capturedEnd() : 0;
    return rest.insert(at, QStringLiteral("<head>") + moved + QStringLiteral("</head>")) + after;
}

bool parseFrameset(const QString& html, FrameNode& frameset) {
    static const QRegularExpression tag(QStringLiteral(R"re(<(/?)(frameset|frame)\b([^<>]*)>)re"), QRegularExpression::CaseInsensitiveOption);
    QList<FrameNode> open;
    int skippedDepth = 0;  // framesets below the deepest shown
    int frames = 0;
    auto it = tag.globalMatch(html);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const bool closing = !match.captured(1).isEmpty();
        const bool isFrameset = match.captured(2).compare(QLatin1String("frameset"), Qt::CaseInsensitive) == 0;
        const QString attributes = match.captured(3);
        if (isFrameset && !closing) {
            if (open.size() >= kMaxFramesetDepth || skippedDepth > 0) {
                ++skippedDepth;
                continue;
            }
            FrameNode node;
            node.isFrameset = true;
            QString sizes = attributeValue(attributes, QStringLiteral("cols"));
            node.columns = !sizes.isEmpty();
            if (sizes.isEmpty())
                sizes = attributeValue(attributes, QStringLiteral("rows"));
            for (const QString& size : sizes.split(QLatin1Char(','), Qt::SkipEmptyParts))
                node.sizes.append(size.trimmed());
            open.append(node);
        } else if (isFrameset) {
            if (skippedDepth > 0) {
                --skippedDepth;
                continue;
            }
            if (open.isEmpty())
                continue;
            FrameNode done = open.takeLast();
            if (open.isEmpty()) {
                frameset = std::move(done);
                return true;
            }
            open.last().children.append(std::move(done));
        } else if (!closing && !open.isEmpty() && skippedDepth == 0 && frames < kMaxFrames) {
            FrameNode frame;
            frame.name = attributeValue(attributes, QStringLiteral("name"));
            frame.src = attributeValue(attributes, QStringLiteral("src"));
            frame.scrolls = attributeValue(attributes, QStringLiteral("scrolling")).compare(QLatin1String("no"), Qt::CaseInsensitive) != 0;
            open.last().children.append(std::move(frame));
            ++frames;
        }
    }
    // An unclosed frameset still shows what it declared.
    if (open.isEmpty())
        return false;
    while (open.size() > 1) {
        FrameNode done = open.takeLast();
        open.last().children.append(std::move(done));
    }
    frameset = std::move(open.first());
    return true;
}

namespace {

bool isHtmlFile(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    return suffix.compare(QLatin1String("htm"), Qt::CaseInsensitive) == 0 ||
           suffix.compare(QLatin1String("html"), Qt::CaseInsensitive) == 0;
}

QString plainTextPage(const QString& text) {
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return QStringLiteral("<html><body><pre>") + escaped(lines) + QStringLiteral("</pre></body></html>");
}

}

PageSource loadPage(const QString& path) {
    PageSource page;
    QByteArray bytes;
    if (!platform::readFileBytes(path, bytes, kMaxPageBytes)) {
        page.html = QStringLiteral("<html><body><p>%1</p></body></html>").arg(escaped(platform::fileReadFailure(path, kMaxPageBytes)));
        return page;
    }
    if (!isHtmlFile(path)) {
        page.html = plainTextPage(platform::fromUtf8OrAnsi(bytes));
        return page;
    }
    const QString html = decodeHtml(bytes);
    page.title = extractTitle(html);
    if (parseFrameset(html, page.frameset)) {
        page.isFrameset = true;
        return page;
    }
    if (const QString fault = pageShapeFault(html); !fault.isEmpty()) {
        page.html = QStringLiteral("<html><body><p>%1</p></body></html>")
                        .arg(escaped(QStringLiteral("Page not shown, it holds %1: ").arg(fault) + path));
        return page;
    }
    page.html = numberTargetedLinks(hoistHeadElements(html), page.links);
    return page;
}

QString pageName(const PageSource& page, const QString& path) {
    return page.title.isEmpty() ? QFileInfo(path).fileName() : page.title;
}

}
