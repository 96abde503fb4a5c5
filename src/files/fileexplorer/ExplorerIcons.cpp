#include "files/fileexplorer/ExplorerIcons.h"

#include "files/fileexplorer/FolderListing.h"
#include "foundation/FileIcons.h"

int FileIconIndex(const QString& folder, const QString& name, ImageList& images) {
    return FileIconIndexAt(WithTrailingSeparator(folder) + name, IconKey(name), images);
}

int FileIconIndexAt(const QString& path, const QString& key, ImageList& images) {
    if (key == QLatin1String(".EXE") || key == QLatin1String(".ICO"))
        return GetExeIcon(path, images);
    const int cached = images.IndexOf(key);
    return cached ? cached : GetIcon(path, key, images);
}

void TrimIconCache(ImageList& images) {
    if (images.Count() > 800)
        images.Truncate(499);
}
