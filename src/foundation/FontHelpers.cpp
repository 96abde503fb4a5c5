#include "foundation/FontHelpers.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMultiHash>

namespace {
QMultiHash<QString, int>& addedFonts() {
    static QMultiHash<QString, int> fonts;
    return fonts;
}

QString fontKey(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}
}

bool AddFont(const QString& path) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()) || !QFileInfo(path).isFile())
        return false;
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0)
        return false;
    addedFonts().insert(fontKey(path), id);
    return true;
}

void RemoveFont(const QString& path) {
    const QString key = fontKey(path);
    for (const int id : addedFonts().values(key))
        QFontDatabase::removeApplicationFont(id);
    addedFonts().remove(key);
}
