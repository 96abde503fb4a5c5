#include "platform/browser/PageSource.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringConverter>
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

QString extractTitle(const QString& html) {
    static const QRegularExpression title(QStringLiteral(R"re(<title[^>]*>(.*?)</title\s*>)re"),
                                          QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    QString text = title.match(html).captured(1).simplified();
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

// Rich text keeps no link targets: each targeted link is numbered instead.
QString numberTargetedLinks(const QString& html, QList<TargetedLink>& links) {
    static const QRegularExpression anchor(QStringLiteral(R"re(<a(\s[^>]*)>)re"), QRegularExpression::CaseInsensitiveOption);
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
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows1252("windows-1252");
    if (windows1252.isValid())
        return windows1252.decode(bytes);
    return QString::fromLatin1(bytes);
}

QString hoistHeadElements(const QString& html) {
    static const QRegularExpression body(QStringLiteral(R"(<body\b)"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression element(
        QStringLiteral(R"re(<style\b[^>]*>.*?</style\s*>|<link\b[^>]*>)re"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression head(QStringLiteral(R"(<head\b[^>]*>)"), QRegularExpression::CaseInsensitiveOption);
    const qsizetype bodyAt = body.match(html).capturedStart();
    const QString before = bodyAt < 0 ? html : html.left(bodyAt);
    const QRegularExpressionMatch headMatch = head.match(before);
    const qsizetype headEnd = headMatch.hasMatch() ? headMatch.capturedEnd() : -1;
    QString moved;
    QString rest;
    qsizetype done = 0;
    auto it = element.globalMatch(before);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        if (headEnd >= 0 && match.capturedStart() >= headEnd && before.indexOf(QLatin1String("</head"), headEnd, Qt::CaseInsensitive) > match.capturedStart())
            continue;  // already inside <head>
        rest += before.mid(done, match.capturedStart() - done);
        moved += match.captured(0);
        done = match.capturedEnd();
    }
    if (moved.isEmpty())
        return html;
    rest += before.mid(done);
    const QString after = bodyAt < 0 ? QString() : html.mid(bodyAt);
    const QRegularExpressionMatch restHead = head.match(rest);
    if (restHead.hasMatch())
        return rest.insert(restHead.capturedEnd(), moved) + after;
    static const QRegularExpression htmlTag(QStringLiteral(R"(<html\b[^>]*>)"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch htmlMatch = htmlTag.match(rest);
    const qsizetype at = htmlMatch.hasMatch() ? htmlMatch.capturedEnd() : 0;
    return rest.insert(at, QStringLiteral("<head>") + moved + QStringLiteral("</head>")) + after;
}

bool parseFrameset(const QString& html, FrameNode& frameset) {
    static const QRegularExpression tag(QStringLiteral(R"re(<(/?)(frameset|frame)\b([^>]*)>)re"), QRegularExpression::CaseInsensitiveOption);
    QList<FrameNode> open;
    auto it = tag.globalMatch(html);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const bool closing = !match.captured(1).isEmpty();
        const bool isFrameset = match.captured(2).compare(QLatin1String("frameset"), Qt::CaseInsensitive) == 0;
        const QString attributes = match.captured(3);
        if (isFrameset && !closing) {
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
            if (open.isEmpty())
                continue;
            FrameNode done = open.takeLast();
            if (open.isEmpty()) {
                frameset = done;
                return true;
            }
            open.last().children.append(done);
        } else if (!closing && !open.isEmpty()) {
            FrameNode frame;
            frame.name = attributeValue(attributes, QStringLiteral("name"));
            frame.src = attributeValue(attributes, QStringLiteral("src"));
            frame.scrolls = attributeValue(attributes, QStringLiteral("scrolling")).compare(QLatin1String("no"), Qt::CaseInsensitive) != 0;
            open.last().children.append(frame);
        }
    }
    // An unclosed frameset still shows what it declared.
    if (open.isEmpty())
        return false;
    while (open.size() > 1) {
        FrameNode done = open.takeLast();
        open.last().children.append(done);
    }
    frameset = open.first();
    return true;
}

PageSource loadPage(const QString& path) {
    PageSource page;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        page.html = QStringLiteral("<html><body><p>The page <b>%1</b> cannot be found.</p></body></html>").arg(escaped(path));
        return page;
    }
    const QString html = decodeHtml(file.readAll());
    page.title = extractTitle(html);
    if (parseFrameset(html, page.frameset)) {
        page.isFrameset = true;
        return page;
    }
    page.html = numberTargetedLinks(hoistHeadElements(html), page.links);
    return page;
}

QString pageName(const PageSource& page, const QString& path) {
    return page.title.isEmpty() ? QFileInfo(path).fileName() : page.title;
}

}
