#include "foundation/errors/ErrorLogFile.h"

#include "platform/AnsiText.h"
#include "platform/ProgramFolder.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

QString errorLogPath() {
    return platform::programFolder() + QStringLiteral("/error.log");
}

// A record the disk takes only in part is cut off again, so the log never
// ends in half a record.
void WriteErrorLog(const QByteArray& record) {
    const int fd = ::open(QFile::encodeName(errorLogPath()).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return;
    const off_t before = ::lseek(fd, 0, SEEK_END);
    qsizetype done = 0;
    while (done < record.size()) {
        const ssize_t written = ::write(fd, record.constData() + done, size_t(record.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            break;
        done += written;
    }
    if (done < record.size() && before >= 0) {
        [[maybe_unused]] const int cut = ::ftruncate(fd, before);  // when even that fails, nothing is left to try
    }
    ::close(fd);
}

QByteArray readErrorLog() {
    QByteArray bytes;
    return platform::readFileBytes(errorLogPath(), bytes) ? bytes : QByteArray();
}

bool emptyErrorLog() {
    QFile log(errorLogPath());
    return log.open(QIODevice::WriteOnly | QIODevice::Truncate);
}
