#include "foundation/FileIcons.h"

#include "foundation/errors/ErrorLog.h"
#include "platform/KorvoError.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>

namespace {

const QSize kSmallIcon(16, 16);

QIcon desktopIcon(const QFileInfo& file) {
    if (!file.exists())
        return QIcon();
    return QFileIconProvider().icon(file);
}

QIcon ownIcon(const QFileInfo& file) {
    if (file.exists() && file.suffix().compare(QLatin1String("ico"), Qt::CaseInsensitive) == 0)
        return QIcon(file.absoluteFilePath());
    return desktopIcon(file);
}

QString lookKey(const QIcon& icon) {
    const QImage image = icon.pixmap(kSmallIcon).toImage();
    const QByteArrayView bits(image.constBits(), image.sizeInBytes());
    return QString::number(qHash(bits)) + QLatin1Char('K');
}

}

int ImageList::Add(const QString& key, const QIcon& icon) {
    if (positions_.contains(key))
        RaiseError(35602, QStringLiteral("Key is not unique in collection"));
    icons_.append(icon);
    positions_.insert(key, int(icons_.size()));
    return int(icons_.size());
}

int ImageList::IndexOf(const QString& key) const {
    return positions_.value(key);
}

QIcon ImageList::Icon(int position) const {
    return icons_.value(position - 1);
}

void ImageList::Truncate(int count) {
    if (count < 0 || count >= icons_.size())
        return;
    icons_.resize(count);
    positions_.removeIf([count](const auto& entry) { return entry.value() > count; });
}

void ImageList::Clear() {
    icons_.clear();
    positions_.clear();
}

int GetIcon(const QString& path, const QString& key, ImageList& images) {
    try {
        const QIcon icon = desktopIcon(QFileInfo(path));
        return icon.isNull() ? 0 : images.Add(key, icon);
    } catch (...) {
        SetErrorLog(QStringLiteral("GetIcon"), QStringLiteral("modFileIcons"));
        return 0;
    }
}

int GetExeIcon(const QString& path, ImageList& images) {
    const QIcon icon = ownIcon(QFileInfo(path));
    if (icon.isNull() || icon.pixmap(kSmallIcon).isNull())
        return 0;
    const QString key = lookKey(icon);
    const int position = images.IndexOf(key);
    return position ? position : images.Add(key, icon);
}
