#include "platform/AnsiText.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QScopeGuard>
#include <QStringDecoder>

#include <algorithm>
#include <array>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// Windows-1252 bytes 0x80..0x9F; the five bytes it leaves undefined map to
// the C1 control with the same number so that every byte survives a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char encodeChar(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

}

QString fromAnsi(const QByteArray& bytes) {
    QString text;
    assignFromAnsi(text, bytes.constData(), bytes.size());
    return text;
}

void assignFromAnsi(QString& text, const char* bytes, qsizetype count) {
    const auto* first = reinterpret_cast<const unsigned char*>(bytes);
    const auto isHighControl = [](unsigned char b) { return b >= 0x80 && b < 0xA0; };
    // Outside 0x80..0x9F every byte is the character of the same code.
    if (std::none_of(first, first + count, isHighControl)) {
        text = QLatin1StringView(bytes, count);
        return;
    }
    text.resize(count);
    QChar* out = text.data();
    for (qsizetype i = 0; i < count; ++i)
        out[i] = isHighControl(first[i]) ? QChar(kHighControls[first[i] - 0x80]) : QChar(first[i]);
}

QByteArray toAnsi(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        bytes[i] = encodeChar(text[i].unicode());
    return bytes;
}

bool fitsAnsi(const QString& text) {
    return fromAnsi(toAnsi(text)) == text;
}

QString fromUtf8OrAnsi(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? fromAnsi(bytes) : text;
}

bool readFileBytes(const QString& path, QByteArray& bytes, qint64 maxBytes) {
    if (path.startsWith(QLatin1Char(':'))) {  // compiled-in resources: no device behind them
        QFile resource(path);
        if (!resource.open(QIODevice::ReadOnly) || resource.size() > maxBytes)
            return false;
        bytes = resource.readAll();
        return true;
    }
    // Non-blocking, so that a FIFO put in place after a check cannot hang
    // the open; the type is then asked of what was opened.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const auto closeFd = qScopeGuard([fd] { ::close(fd); });
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > maxBytes)
        return false;
    QByteArray data;
    data.reserve(qsizetype(status.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        if (data.size() + got > maxBytes)
            return false;  // it grew while being read
        data.append(buffer, got);
    }
    bytes = data;
    return true;
}

QString fileReadFailure(const QString& path, qint64 maxBytes) {
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("File not found: ") + path;
    if (!info.isFile())
        return QStringLiteral("Not a regular file: ") + path;
    if (info.size() > maxBytes)
        return QStringLiteral("File larger than %1: ").arg(QLocale::c().formattedDataSize(maxBytes, 0)) + path;
    return QStringLiteral("Path/File access error: ") + path;
}

}
