#include "files/Backups.h"

#include "foundation/FileHelpers.h"
#include "platform/AnsiText.h"
#include "platform/AtomicFileWrite.h"
#include "platform/Prompt.h"
#include "vocabulary/SettingsValues.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {

void showBackupFailure(const QString& source, const QString& target, const QString& reason) {
    platform::MsgBox(QStringLiteral("Could not back up ") + source + QStringLiteral(" as ") + target + QStringLiteral("\r\n") +
                         reason + QStringLiteral("\r\nThe file was not saved."),
                     platform::vbCritical, QStringLiteral("Backup failed"));
}

// The backup folder, ending in exactly one separator.
QString normalisedStoreFolder() {
    QString folder = gBackupStoreFolder + QLatin1Char('/');
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (folder.contains(QLatin1String("//")))
        folder.replace(QLatin1String("//"), QLatin1String("/"));
    return folder;
}

// The copy is written as every file is, so a full disk never leaves a cut copy
// that passes for the backup.
bool replaceCopy(const QString& source, const QString& target) {
    QByteArray bytes;
    if (!platform::readFileBytes(source, bytes)) {
        showBackupFailure(source, target, platform::fileReadFailure(source));
        return false;
    }
    if (platform::writeFileBytesAtomically(target, bytes))
        return true;
    showBackupFailure(source, target, platform::lastWriteFailure());
    return false;
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
    if (!QFileInfo::exists(path))
        return true;
    const QString fileName = GetFileName(path);
    const bool inStore = gBackupStoreType == 1;
    if (inStore) {
        gBackupStoreFolder = normalisedStoreFolder();
        QDir().mkpath(gBackupStoreFolder);
    }
    const QString folder = inStore ? gBackupStoreFolder : GetFolderOfPath(path, true);
    if (gBackupType == 1)
        return replaceCopy(path, folder + DatedBackupName(fileName, QDateTime::currentDateTime(), ShortDateIsMonthFirst()));
    const QString base = (inStore ? folder + fileName : path) + QStringLiteral(".bak");
    rotateNumberedCopies(base);
    return replaceCopy(path, base + QLatin1Char('1'));
}
