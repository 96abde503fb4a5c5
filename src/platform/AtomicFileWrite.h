#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Writes the bytes to a temporary file beside the target, syncs it to the
// disk and renames it over the target, then syncs the folder. The target is
// replaced only when every byte reached the disk: on any failure (a full
// disk, a quota, a size limit, no permission) the temporary file is removed,
// the old file is untouched and lastWriteFailure() says why. The target's
// permissions are kept; a symbolic link is written through and stays a link.
bool writeFileBytesAtomically(const QString& path, const QByteArray& bytes);

// Why the last failed write failed, in the system's words
// ("No space left on device", "File too large", "Permission denied").
QString lastWriteFailure();

// "Could not write PATH" and the reason, as the text of a message.
QString writeFailureText(const QString& path);
// The message box for a file Korvo could not write (critical, OK).
void ShowWriteFailure(const QString& path);

}
