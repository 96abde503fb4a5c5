#pragma once

#include <QByteArray>
#include <QString>

// Source files and Korvo's small data files are 8-bit Windows-1252 text with
// CRLF lines. They are read and written byte for byte; QString appears only
// where text meets a widget or a Qt API.
namespace platform {

QString fromAnsi(const QByteArray& bytes);
// Converts into text, reusing its storage: for conversions line after line.
void assignFromAnsi(QString& text, const char* bytes, qsizetype count);
QByteArray toAnsi(const QString& text);
// True when every character of the text has a Windows-1252 byte.
bool fitsAnsi(const QString& text);
// Bytes that are valid UTF-8 read as UTF-8, any others as Windows-1252.
QString fromUtf8OrAnsi(const QByteArray& bytes);

// Whole-file reads take regular files only (a link is followed), and at
// most maxBytes of them: a device, FIFO or socket would block or never end.
inline constexpr qint64 kMaxFileReadBytes = qint64(256) << 20;
bool readFileBytes(const QString& path, QByteArray& bytes, qint64 maxBytes = kMaxFileReadBytes);
// Why readFileBytes refuses the path, as a sentence naming it for a message.
QString fileReadFailure(const QString& path, qint64 maxBytes = kMaxFileReadBytes);

}
