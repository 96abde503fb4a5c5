#include "shell/LayoutSlots.h"

#include "platform/ProgramFolder.h"

QString LayoutSectionName(int slot) {
    return QStringLiteral("Layout") + QStringLiteral("0.8") + QStringLiteral("_") + QString::number(slot);
}

QString LayoutFilePath(int slot) {
    return platform::programSubfolder(QStringLiteral("Layouts")) + QLatin1Char('/') + LayoutSectionName(slot) +
           QStringLiteral(".mp");
}

QString DefaultLayoutPath() {
    return platform::programSubfolder(QStringLiteral("Layout.mp"));
}

QString BuiltInLayoutPath() {
    return QStringLiteral(":/Layout.mp");
}
