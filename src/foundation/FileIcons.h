#pragma once

#include <QHash>
#include <QIcon>
#include <QList>
#include <QString>

// The icons of a file list, each under a key, at positions from 1.
class ImageList {
public:
    // Appends icon under key and returns its position; a key already in
    // the list raises KorvoError 35602.
    int Add(const QString& key, const QIcon& icon);
    // The position of key's icon; 0 when there is none.
    int IndexOf(const QString& key) const;
    // The icon at position (from 1); a null icon when there is none.
    QIcon Icon(int position) const;
    int Count() const { return int(icons_.size()); }
    void Clear();
    // Removes the icons after position count, with their keys.
    void Truncate(int count);

private:
    QList<QIcon> icons_;
    QHash<QString, int> positions_;
};

// Adds the desktop's icon of the file at path under key and returns its
// position; 0, with nothing added, when the file has no icon (a missing
// file). A key already in the list goes to the error log and gives 0.
int GetIcon(const QString& path, const QString& key, ImageList& images);

// The position of the file's own icon (an icon file shows its image, any
// other file the desktop's icon), added on first use under a key made from
// the icon's look, so that files that look alike share one image. A file
// whose icon cannot be read gives 0 and adds nothing.
int GetExeIcon(const QString& path, ImageList& images);
