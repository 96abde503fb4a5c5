#include "files/fileexplorer/FolderListing.h"

#include "files/fileexplorer/ListViewSort.h"

#include <QDateTime>
#include <QDir>
#include <QRegularExpression>

QFileInfoList ListFolderFiles(const QString& folder, const QString& patterns) {
    QDir dir(folder);
    QStringList filters = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    // "*.*" means every file, as it does on the platform the patterns come from.
    filters.replaceInStrings(QRegularExpression(QStringLiteral("^\\*\\.\\*$")), QStringLiteral("*"));
    dir.setNameFilters(filters);
    // Without QDir::CaseSensitive the patterns match without case; without
    // QDir::Hidden hidden files stay out.
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    return dir.entryInfoList();
}

FileRow ReadFileRow(const QFileInfo& file) {
    const QString name = file.fileName();
    if (!file.exists())
        return {name, QString(), QString()};
    return {name, QString::number(file.size()), file.lastModified().toString(QString::fromLatin1(listsort::kDateFormat))};
}

int CountSubfolders(const QString& folder) {
    return int(QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System).size());
}

int CountFiles(const QString& folder) {
    return int(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System).size());
}

QString IconKey(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QStringLiteral("Empty") : name.mid(dot).toUpper();
}

QString WithTrailingSeparator(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}
