#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The Snippets folder of the program folder: its sub-folders are categories
// at any depth, its "*.bb" files (any letter case) snippets. Tree keys are
// absolute paths: a category's folder, a snippet's file without ".bb".

QString SnippetsFolder();

// A folder's categories and snippet names (file names less ".bb"), each
// sorted without regard to case.
struct SnippetFolderEntries {
    QStringList categories;
    QStringList snippets;
};
SnippetFolderEntries ReadSnippetFolder(const QString& folder);

// A folder text relative to the program folder ("Snippets/Games", "\" read
// as "/") as an absolute path; and back, "" for a folder outside it.
QString ProgramRelativeToAbsolute(const QString& relative);
QString AbsoluteToProgramRelative(const QString& absolute);

// "Snippets" or "Snippets/..." with no empty, "." or ".." step: a folder
// that stays inside the Snippets folder.
bool IsInsideSnippets(const QString& relativeFolder);

// A snippet or category name may not hold a folder separator.
bool IsPlainName(const QString& name);

// The snippet file of a key or of a relative folder and a name.
QString SnippetFileOfKey(const QString& key);
QString SnippetFile(const QString& relativeFolder, const QString& name);
