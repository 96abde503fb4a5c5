#pragma once

#include <QString>

// Text operations on paths and queries about them. Korvo builds paths with
// "/", but paths read from stored files or typed by the user may be Windows
// paths: every splitter takes "/" and "\" alike as a folder separator.

// Collapses each doubled path separator ("//" or "\\") to one, in a single
// left-to-right pass over non-overlapping pairs: a run of three becomes two.
QString FixDoubleBackslash(const QString& path);

// The file name's extension from its last ".", upper-cased, the "." included
// (".BB"); "" when the file name has no ".". Points in folder names do not count.
QString GetExtension(const QString& path);

// The part after the last separator: "" for a path that ends in one, the
// whole text when there is none.
QString GetFileName(const QString& path);

// The part before the last separator, followed by that separator when
// withSlash is true; "" when there is no separator.
QString GetFolderOfPath(const QString& path, bool withSlash);

// True when the path names an existing file, folder or drive; never fails.
bool PathExists(const QString& path);

// Longer paths name nothing on Linux (PATH_MAX).
constexpr qsizetype kLongestPath = 4096;

// The one form of a path by which Korvo knows a file: absolute (a relative
// path against the current folder), "." and ".." resolved, symbolic links
// followed as far as the path exists, "\" read as "/". "" stays "".
QString CanonicalPath(const QString& path);

// Korvo's file systems have no short (8.3) names: the existing path itself,
// or "" when it does not exist.
QString ShortPathOrEmpty(const QString& path);

// As ShortPathOrEmpty; a path too long for the programs that receive it
// (2048 characters or more) is a stop report (18543) and gives "".
QString GetShortPath(const QString& path);

// The path of the file toPath relative to the folder fromFolder: "./" for a
// file inside it, "../" for each level up; "" when the two share no root
// (for example two drives).
QString GetRelativePath(const QString& fromFolder, const QString& toPath);

// The folder the user picks in the folder browser, or "" when cancelled.
QString BrowseForFolder(const QString& Title);
