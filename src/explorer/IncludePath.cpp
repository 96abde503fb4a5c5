#include "explorer/IncludePath.h"

#include <QDir>

QString IncludedFilePath(const QString& holderPath, const QString& includeName) {
    QString name = includeName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString holder = holderPath;
    holder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const qsizetype slash = holder.lastIndexOf(QLatin1Char('/'));
    if (slash <= 0 || name.isEmpty())
        return QString();
    if (QDir::isAbsolutePath(name))
        return QDir::cleanPath(name);
    return QDir::cleanPath(holder.left(slash) + QLatin1Char('/') + name);
}
