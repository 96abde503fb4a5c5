#include "platform/browser/Address.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace browser {
namespace {

bool hasScheme(const QString& address, const char* scheme) {
    return address.startsWith(QLatin1String(scheme), Qt::CaseInsensitive);
}

}

bool isDesktopAddress(const QString& address) {
    return hasScheme(address, "http:") || hasScheme(address, "https:") || hasScheme(address, "mailto:");
}

QString normalizedAddress(const QString& address) {
    const QString trimmed = address.trimmed();
    if (isDesktopAddress(trimmed))
        return trimmed;
    if (hasScheme(trimmed, "file:"))
        return QDir::cleanPath(QUrl(trimmed).toLocalFile());
    QString path = trimmed;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

QString resolveLink(const QString& pagePath, const QString& href) {
    const QString link = href.trimmed();
    if (isDesktopAddress(link) || hasScheme(link, "file:"))
        return normalizedAddress(link);
    QString relative = QUrl::fromPercentEncoding(link.toUtf8());
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (relative.startsWith(QLatin1Char('#')))
        return withoutFragment(pagePath) + relative;
    if (QDir::isAbsolutePath(relative))
        return QDir::cleanPath(relative);
    return QDir::cleanPath(QFileInfo(withoutFragment(pagePath)).absolutePath() + QLatin1Char('/') + relative);
}

QString withoutFragment(const QString& address) {
    const qsizetype hash = address.indexOf(QLatin1Char('#'));
    return hash < 0 ? address : address.left(hash);
}

QString fragmentOf(const QString& address) {
    const qsizetype hash = address.indexOf(QLatin1Char('#'));
    return hash < 0 ? QString() : address.mid(hash + 1);
}

}
