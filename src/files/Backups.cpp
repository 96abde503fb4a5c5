#include "files/Backups.h"

#include "foundation/FileHelpers.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/KorvoError.h"
#include "vocabulary/SettingsValues.h"

#include <QDir>
#include <QFile>
#include <QLocale>

namespace {

// The backup folder, ending in exactly one separator.
QString normalisedStoreFolder() {
    QString folder = gBackupStoreFolder + QLatin1Char('/');
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (folder.contains(QLatin1String("//")))
        folder.replace(QLatin1String("//"), QLatin1String("/"));
    return folder;
}

bool replaceCopy(const QString& source, const QString& target) {
    QFile::remove(target);
    return QFile::copy(source, target);
}

void rotateNumberedCopies(const QString& base) {
    QFile::remove(base + QString::number(gBackupBakIncrement));
    for (int n = gBackupBakIncrement - 1; n >= 1; --n)
        if (QFile::exists(base + QString::number(n)))
            QFile::rename(base + QString::number(n), base + QString::number(n + 1));
}

}

bool ShortDateIsMonthFirst() {
    return QLocale::system().toString(QDate(1993, 12, 25), QLocale::ShortFormat).startsWith(QLatin1String("12"));
}

QString DatedBackupName(const QString& fileName, const QDateTime& when, bool monthFirst) {
    const QString date = when.date().toString(monthFirst ? QStringLiteral("MM.dd.yyyy") : QStringLiteral("dd.MM.yyyy"));
    return fileName + QLatin1Char('_') + date + QLatin1Char('_') + when.time().toString(QStringLiteral("HH.mm")) +
           QStringLiteral(".bak");
}

bool BackupFile(const QString& path) {
    const QString fileName = GetFileName(path);
    const bool inStore = gBackupStoreType == 1;
    if (inStore)
        gBackupStoreFolder = normalisedStoreFolder();
    const QString folder = inStore ? gBackupStoreFolder : GetFolderOfPath(path, true);
    if (gBackupType == 1) {
        try {
            if (inStore && !QDir().mkpath(folder))
                RaiseError(ErrPathNotFound, QStringLiteral("Path not found: ") + folder);
            const QString target = folder + DatedBackupName(fileName, QDateTime::currentDateTime(), ShortDateIsMonthFirst());
            if (QFile::exists(path) && !replaceCopy(path, target))
                RaiseError(ErrPathFileAccess, QStringLiteral("Permission denied: ") + target);
            return true;
        } catch (...) {
            SetErrorLog(QStringLiteral("BackupFile"), QStringLiteral("Mod_File"));
            return false;
        }
    }
    const QString base = (inStore ? folder + fileName : path) + QStringLiteral(".bak");
    rotateNumberedCopies(base);
    if (inStore)
        QDir().mkpath(folder);
    return replaceCopy(path, base + QLatin1Char('1'));
}
