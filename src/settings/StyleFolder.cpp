#include "settings/StyleFolder.h"

#include "settings/StyleStore.h"

#include <QDir>

namespace {
const QString kExtension = QStringLiteral(".style");
}

QStringList StyleNames() {
    QStringList names;
    for (const QString& file : QDir(StyleFolder()).entryList(QDir::Files))
        if (file.size() > kExtension.size() && file.endsWith(kExtension, Qt::CaseInsensitive))
            names.append(file.chopped(kExtension.size()));
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

QString ExistingStyleName(const QString& name) {
    for (const QString& existing : StyleNames())
        if (existing.compare(name, Qt::CaseInsensitive) == 0)
            return existing;
    return QString();
}
