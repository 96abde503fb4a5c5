#include "platform/AtomicFileWrite.h"

#include "platform/Prompt.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

QString gLastFailure;

bool fail(int error) {
    gLastFailure = QString::fromLocal8Bit(std::strerror(error));
    return false;
}

// The file a write to the path replaces: a link's final target, so that the
// link stays a link.
QString resolvedTarget(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink())
        return info.absoluteFilePath();
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (written == 0)
            return fail(EIO);
        data += written;
        left -= written;
    }
    return true;
}

mode_t modeForNewFile() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A folder's entries reach the disk with the folder; a file system that
// cannot sync a folder (EINVAL) keeps them anyway.
bool syncFolder(const QByteArray& folder) {
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return fail(errno);
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    const int error = errno;
    ::close(fd);
    return synced || fail(error);
}

}

bool writeFileBytesAtomically(const QString& path, const QByteArray& bytes) {
    const QString target = resolvedTarget(path);
    const QByteArray targetName = QFile::encodeName(target);
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    mode_t mode = modeForNewFile();
    struct stat existing {};
    if (::stat(targetName.constData(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode))
            return fail(EISDIR);
        if (::access(targetName.constData(), W_OK) != 0)
            return fail(errno);
        mode = existing.st_mode & 07777;
    }
    QByteArray temporary = targetName + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return fail(errno);
    bool written = writeAll(fd, bytes) && (::fchmod(fd, mode) == 0 || fail(errno)) && (::fsync(fd) == 0 || fail(errno));
    if (::close(fd) != 0 && written)
        written = fail(errno);
    if (written && ::rename(temporary.constData(), targetName.constData()) != 0)
        written = fail(errno);
    if (!written) {
        ::unlink(temporary.constData());
        return false;
    }
    return syncFolder(folder);
}

QString lastWriteFailure() {
    return gLastFailure;
}

QString writeFailureText(const QString& path) {
    return QStringLiteral("Could not write ") + path + QStringLiteral("\r\n") + gLastFailure;
}

void ShowWriteFailure(const QString& path) {
    MsgBox(writeFailureText(path), vbCritical, QStringLiteral("File not written"));
}

}
