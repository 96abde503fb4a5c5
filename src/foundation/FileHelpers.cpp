#include "foundation/FileHelpers.h"

#include "foundation/errors/ErrorLog.h"
#include "platform/Prompt.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace {

bool isSeparator(QChar c) {
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

qsizetype lastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
}

// The "." that starts the file name's extension, or -1.
qsizetype extensionDot(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > lastSeparator(path) ? dot : -1;
}

QString withSlashes(QString path) {
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// "C:" for a drive path, "/" for a rooted one, "" for a relative one.
QString rootOf(const QString& slashed) {
    if (slashed.size() >= 2 && slashed[1] == QLatin1Char(':') && slashed[0].isLetter())
        return slashed.left(2).toUpper();
    return slashed.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
}

QStringList partsAfterRoot(const QString& slashed, const QString& root) {
    return QDir::cleanPath(slashed.mid(root.size())).split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

}

QString FixDoubleBackslash(const QString& path) {
    QString out;
    out.reserve(path.size());
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QChar c = path[i];
        out += c;
        if (isSeparator(c) && i + 1 < path.size() && path[i + 1] == c)
            ++i;
    }
    return out;
}

QString GetExtension(const QString& path) {
    const qsizetype dot = extensionDot(path);
    return dot < 0 ? QString() : path.mid(dot).toUpper();
}

QString GetFileName(const QString& path) {
    return path.mid(lastSeparator(path) + 1);
}

QString GetFolderOfPath(const QString& path, bool withSlash) {
    const qsizetype separator = lastSeparator(path);
    if (separator < 0)
        return QString();
    return path.left(withSlash ? separator + 1 : separator);
}

bool PathExists(const QString& path) {
    if (path.isEmpty())
        return false;
    return QFileInfo::exists(path) || QFileInfo::exists(withSlashes(path));
}

QString CanonicalPath(const QString& path) {
    if (path.isEmpty())
        return path;
    const QString written = QFileInfo::exists(path) ? path : withSlashes(path);
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(written));
    if (absolute.size() > kLongestPath)
        return absolute;
    // A file about to be made has no canonical form of its own: its nearest
    // existing folder has, and the missing rest follows it unchanged.
    QString existing = absolute;
    QString missing;
    while (!QFileInfo::exists(existing) && existing != QLatin1String("/")) {
        missing = QLatin1Char('/') + existing.mid(existing.lastIndexOf(QLatin1Char('/')) + 1) + missing;
        existing = QFileInfo(existing).path();
    }
    const QString canonical = QFileInfo(existing).canonicalFilePath();
    if (canonical.isEmpty())
        return absolute;
    return (canonical == QLatin1String("/") ? QString() : canonical) + missing;
}

QString ShortPathOrEmpty(const QString& path) {
    if (path.isEmpty())
        return QString();
    if (QFileInfo::exists(path))
        return path;
    const QString slashed = withSlashes(path);
    return QFileInfo::exists(slashed) ? slashed : QString();
}

QString GetShortPath(const QString& path) {
    const QString shortPath = ShortPathOrEmpty(path);
    if (shortPath.size() >= 2048) {
        SetStopErrorLog(18543);
        return QString();
    }
    return shortPath;
}

QString GetRelativePath(const QString& fromFolder, const QString& toPath) {
    const QString from = withSlashes(fromFolder);
    const QString to = withSlashes(toPath);
    const QString root = rootOf(from);
    if (root != rootOf(to))
        return QString();
    const QStringList fromParts = partsAfterRoot(from, root);
    const QStringList toParts = partsAfterRoot(to, root);
    if (toParts.isEmpty() || fromParts.contains(QStringLiteral("..")) || toParts.contains(QStringLiteral("..")))
        return QString();
    // Drive paths compare as Windows compares them, without case.
    const Qt::CaseSensitivity cs = root.endsWith(QLatin1Char(':')) ? Qt::CaseInsensitive : Qt::CaseSensitive;
    qsizetype common = 0;
    while (common < fromParts.size() && common + 1 < toParts.size() && fromParts[common].compare(toParts[common], cs) == 0)
        ++common;
    QString relative = fromParts.size() == common ? QStringLiteral("./") : QString();
    for (qsizetype i = common; i < fromParts.size(); ++i)
        relative += QStringLiteral("../");
    return relative + toParts.mid(common).join(QLatin1Char('/'));
}

QString BrowseForFolder(const QString& Title) {
    try {
        return platform::chooseFolder(Title, QString()).value_or(QString());
    } catch (...) {
        SetErrorLog(QStringLiteral("BrowseForFolder"), QStringLiteral("Mod_File"));
        return QString();
    }
}
