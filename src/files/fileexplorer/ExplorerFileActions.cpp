#include "files/fileexplorer/ExplorerFileActions.h"

#include "files/DiskFiles.h"
#include "files/fileexplorer/ListViewSort.h"
#include "foundation/ShellExecute.h"
#include "platform/Prompt.h"

#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QStandardPaths>
#include <QUrl>

namespace {

QString displayName(const QString& path) {
    return QFileInfo(QDir::cleanPath(path)).fileName();
}

// Qt needs the user's data folder to exist to find the trash; without it,
// it moves the file into "files" under the current folder instead. A file
// that went there is put back, so only a real trash counts.
bool moveToTrash(const QString& path) {
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QString inTrash;
    if (!QFile::moveToTrash(path, &inTrash))
        return false;
    if (QFileInfo(inTrash).isAbsolute())
        return true;
    QFile::rename(inTrash, path);
    const QString trashFolder = QFileInfo(inTrash).path() + QStringLiteral("/..");
    QFile::remove(trashFolder + QStringLiteral("/info/") + QFileInfo(inTrash).fileName() + QStringLiteral(".trashinfo"));
    QDir(trashFolder).rmdir(QStringLiteral("info"));
    QDir(trashFolder).rmdir(QStringLiteral("files"));
    return false;
}

}

void OpenWithDefaultApplication(const QStringList& paths) {
    for (const QString& path : paths)
        GShell(path);
}

void OpenContainingFolder(const QString& path) {
    GShell(QFileInfo(QDir::cleanPath(path)).absolutePath());
}

void CopyPaths(const QStringList& paths) {
    auto* data = new QMimeData;
    QList<QUrl> urls;
    QStringList cleaned;
    for (const QString& path : paths) {
        cleaned.append(QDir::cleanPath(path));
        urls.append(QUrl::fromLocalFile(cleaned.last()));
    }
    data->setUrls(urls);
    data->setText(cleaned.join(QLatin1Char('\n')));
    QGuiApplication::clipboard()->setMimeData(data);
}

bool RenameWithPrompt(const QString& path) {
    const QString newName = platform::InputBox(QStringLiteral("Enter the new name:"), QStringLiteral("Rename"), displayName(path));
    if (newName.isEmpty() || newName == displayName(path))
        return false;
    return RenameDiskFile(QDir::cleanPath(path), newName);
}

bool MoveToTrashWithPrompt(const QStringList& paths) {
    const QString question = paths.size() == 1
                                 ? QStringLiteral("Move ") + displayName(paths[0]) + QStringLiteral(" to the trash ?")
                                 : QStringLiteral("Move these ") + QString::number(paths.size()) + QStringLiteral(" items to the trash ?");
    if (platform::MsgBox(question, platform::vbYesNo | platform::vbQuestion) != platform::vbYes)
        return false;
    for (const QString& path : paths)
        if (!moveToTrash(QDir::cleanPath(path)))
            platform::MsgBox(QStringLiteral("Could not move ") + path + QStringLiteral(" to the trash."), platform::vbCritical);
    return true;
}

void ShowProperties(const QStringList& paths) {
    QStringList blocks;
    for (const QString& path : paths) {
        const QFileInfo file(QDir::cleanPath(path));
        blocks.append(QStringLiteral("Name: ") + file.fileName() + QStringLiteral("\r\nFolder: ") + file.absolutePath() +
                      QStringLiteral("\r\nSize: ") + QString::number(file.isDir() ? 0 : file.size()) +
                      QStringLiteral(" bytes\r\nModified: ") + file.lastModified().toString(QString::fromLatin1(listsort::kDateFormat)));
    }
    platform::MsgBox(blocks.join(QStringLiteral("\r\n\r\n")), platform::vbInformation, QStringLiteral("Properties"));
}
