#include "settings/StyleFolder.h"

#include "platform/ProgramFolder.h"

#include <QDir>

namespace {
const QString kExtension = QStringLiteral(".style");
}

QString StyleFilePath(const QString& name) {
    return platform::programSubfolder(QStringLiteral("Styles")) + QLatin1Char('/') + name + kExtension;
}

QStringList StyleNames() {
    QStringList names;
    const QDir folder(platform::programSubfolder(QStringLiteral("Styles")));
    for (const QString& file : folder.entryList(QDir::Files))
        if (file.size() > kExtension.size() && file.endsWith(kExtension, Qt::CaseInsensitive))
            names.append(file.chopped(kExtension.size()));
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

bool IsStyleNameAllowed(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

QString ExistingStyleName(const QString& name) {
    for (const QString& existing : StyleNames())
        if (existing.compare(name, Qt::CaseInsensitive) == 0)
            return existing;
    return QString();
}
