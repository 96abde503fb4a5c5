#include "files/DiskFiles.h"

#include "files/SaveFailure.h"
#include "platform/Prompt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool CreateEmptyFile(const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || QFileInfo(path).isFile())
        return true;
    ShowSaveFailure(path);
    return false;
}

bool RenameDiskFile(const QString& path, const QString& newName) {
    QString reason;
    const QString target = QFileInfo(path).dir().filePath(newName);
    if (newName.isEmpty() || newName.contains(QLatin1Char('/')))
        reason = QStringLiteral("Invalid file name");
    else if (!QFileInfo(path).exists())
        reason = QStringLiteral("File not found");
    else if (QFileInfo::exists(target) && QFileInfo(target) != QFileInfo(path))
        reason = QStringLiteral("File already exists");
    else if (QFile file(path); !file.rename(target))
        reason = file.errorString();
    if (reason.isEmpty())
        return true;
    platform::MsgBox(QStringLiteral("Error while renaming file to ") + newName + QStringLiteral("\r\n") + reason,
                     platform::vbCritical, QStringLiteral("Could not rename file"));
    return false;
}
