#include "platform/FileStamp.h"

#include <QDateTime>
#include <QFileInfo>

namespace platform {

FileStamp fileStampOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    return {true, info.size(), info.lastModified().toMSecsSinceEpoch()};
}

}
