#pragma once

#include <QString>

#include <QtGlobal>

namespace platform {

// What a file on disk looked like at one moment: enough to tell that another
// program wrote it since (its size or modification time differ).
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedMs = 0;  // milliseconds since the epoch, UTC

    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file now; one that does not exist (or is no regular file) has exists false.
FileStamp fileStampOf(const QString& path);

}
