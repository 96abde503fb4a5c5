#include "platform/browser/FrameView.h"

#include "platform/AnsiText.h"
#include "platform/browser/Address.h"

#include <QFileInfo>
#include <QTextDocument>

namespace browser {

FrameView::FrameView(const QString& name, QWidget* parent) : QTextBrowser(parent), name_(name) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setFrameShape(QFrame::NoFrame);
    // Narrow frames break lines between words, never inside one.
    setWordWrapMode(QTextOption::WordWrap);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        const auto [address, target] = linkOf(url);
        emit linkClicked(address, target);
    });
    connect(this, qOverload<const QUrl&>(&QTextBrowser::highlighted), this,
            [this](const QUrl& url) { emit linkHovered(url.isEmpty() ? QString() : linkOf(url).first); });
}

void FrameView::showPage(const QString& address, const PageSource& page) {
    address_ = address;
    links_ = page.links;
    const QString path = withoutFragment(address);
    document()->setBaseUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath() + QLatin1Char('/')));
    setHtml(page.html);
    const QString fragment = fragmentOf(address);
    if (!fragment.isEmpty())
        scrollToAnchor(fragment);
}

void FrameView::scrollTo(const QString& address) {
    address_ = address;
    scrollToAnchor(fragmentOf(address));
}

std::pair<QString, QString> FrameView::linkOf(const QUrl& url) const {
    const QString text = url.toString();
    const QLatin1String scheme(kTargetedLinkScheme);
    if (text.startsWith(scheme)) {
        bool ok = false;
        const int index = text.mid(scheme.size()).toInt(&ok);
        if (ok && index >= 0 && index < links_.size())
            return {resolveLink(withoutFragment(address_), links_[index].href), links_[index].target};
    }
    return {resolveLink(withoutFragment(address_), text), QString()};
}

QVariant FrameView::loadResource(int type, const QUrl& name) {
    // A null answer has the document read the file itself, whole and
    // unbounded: every refusal answers an empty resource instead.
    if (name.scheme().compare(QLatin1String("data"), Qt::CaseInsensitive) == 0)
        return QVariant();  // the document decodes it from the page's own text
    const QVariant refused = type == QTextDocument::StyleSheetResource ? QVariant(QString()) : QVariant(QByteArray());
    QString path;
    if (name.isLocalFile())
        path = name.toLocalFile();
    else if (name.isRelative())
        path = resolveLink(withoutFragment(address_), name.toString());
    if (path.isEmpty())
        return refused;
    QByteArray bytes;
    if (!platform::readFileBytes(path, bytes, kMaxPageBytes))
        return refused;
    if (type == QTextDocument::StyleSheetResource)
        return decodeHtml(bytes);
    return bytes;
}

}
