#include "editor/InstalledFace.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>

namespace {

QString matchedFace(const QString& faceName) {
    return QFontInfo(QFont(faceName)).family();
}

QString resolveFace(const QString& faceName) {
    if (!faceName.isEmpty()) {
        for (const QString& family : QFontDatabase::families())
            if (family.compare(faceName, Qt::CaseInsensitive) == 0)
                return family;
        static const QString unknownNameMatch = matchedFace(QStringLiteral("Korvo No Such Face"));
        const QString substitute = matchedFace(faceName);
        if (substitute != unknownNameMatch)
            return substitute;
    }
    static const QString fixedPitch = QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family();
    return fixedPitch;
}

}

QString InstalledFace(const QString& faceName) {
    static QHash<QString, QString> resolved;
    auto found = resolved.constFind(faceName);
    if (found == resolved.constEnd())
        found = resolved.insert(faceName, resolveFace(faceName));
    return *found;
}
