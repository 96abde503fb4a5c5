#pragma once

#include <QFileInfo>
#include <QString>
#include <QStringList>

// What the file explorer lists of a folder: its files (no folders, no
// hidden files) whose names match one of the ";"-separated patterns without
// regard to letter case, ordered by name without regard to case. An
// unreadable or missing folder lists nothing. Each entry keeps what the
// disk told of the file, so that its row asks the disk no more than once.
QFileInfoList ListFolderFiles(const QString& folder, const QString& patterns);

// One row of the file list: size in plain decimal bytes, last-modified time
// as the sort reads it back; both empty for a file that has gone.
struct FileRow {
    QString name;
    QString size;
    QString date;
};

FileRow ReadFileRow(const QFileInfo& file);

// The numbers of subfolders and of files of a folder as the refresh checks
// compare them; 0 for a folder that cannot be read.
int CountSubfolders(const QString& folder);
int CountFiles(const QString& folder);

// The icon cache key of a file name: "Empty" without ".", otherwise the
// upper-cased text from the last "." (".BB").
QString IconKey(const QString& name);

// The folder with exactly one separator added at its end, unless it already
// ends in one.
QString WithTrailingSeparator(const QString& folder);
