#include "foundation/SequentialValues.h"

#include "platform/AnsiText.h"
#include "platform/KorvoError.h"

#include <algorithm>
#include <limits>

namespace {

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

}

void SequentialWriter::writeLine(const QByteArray& line) {
    bytes_ += line;
    bytes_ += "\r\n";
}

void SequentialWriter::writeInteger(int value) {
    writeLine(QByteArray::number(value));
}

void SequentialWriter::writeString(const QString& value) {
    QByteArray text = platform::toAnsi(value);
    text.replace("\"", "\"\"");
    writeLine('"' + text + '"');
}

void SequentialWriter::writeBoolean(bool value) {
    writeLine(value ? "#TRUE#" : "#FALSE#");
}

SequentialReader::SequentialReader(QByteArray bytes) : bytes_(std::move(bytes)) {}

void SequentialReader::skipBlanks() {
    while (pos_ < bytes_.size() && (bytes_[pos_] == ' ' || bytes_[pos_] == '\t'))
        ++pos_;
}

void SequentialReader::skipDelimiter() {
    skipBlanks();
    if (pos_ >= bytes_.size())
        return;
    if (bytes_[pos_] == ',') {
        ++pos_;
        return;
    }
    if (bytes_[pos_] == '\r')
        ++pos_;
    if (pos_ < bytes_.size() && bytes_[pos_] == '\n')
        ++pos_;
}

QByteArray SequentialReader::nextField(bool& quoted) {
    // Blank lines between values are skipped, as the runtime's reader does.
    while (true) {
        skipBlanks();
        fieldStart_ = pos_;
        if (pos_ >= bytes_.size())
            RaiseError(ErrInputPastEnd, QStringLiteral("Input past end of file"));
        if (!isLineEnd(bytes_[pos_]))
            break;
        ++pos_;
    }

    QByteArray field;
    quoted = bytes_[pos_] == '"';
    if (quoted) {
        ++pos_;
        while (true) {
            if (pos_ >= bytes_.size())
                RaiseError(ErrInputPastEnd, QStringLiteral("Unterminated string"));
            const char c = bytes_[pos_++];
            if (c != '"') {
                field += c;
            } else if (pos_ < bytes_.size() && bytes_[pos_] == '"') {
                field += '"';
                ++pos_;
            } else {
                break;
            }
        }
        skipBlanks();
        if (pos_ < bytes_.size() && bytes_[pos_] != ',' && !isLineEnd(bytes_[pos_]))
            RaiseTypeMismatch();
    } else {
        while (pos_ < bytes_.size() && bytes_[pos_] != ',' && !isLineEnd(bytes_[pos_]))
            field += bytes_[pos_++];
        field = field.trimmed();
    }
    skipDelimiter();
    return field;
}

int SequentialReader::line() const {
    return int(std::min<qsizetype>(bytes_.left(fieldStart_).count('\n') + 1, std::numeric_limits<int>::max()));
}

int SequentialReader::readInteger() {
    bool quoted = false;
    const QByteArray field = nextField(quoted);
    bool ok = false;
    const long long value = field.toLongLong(&ok);
    if (quoted || !ok)
        RaiseTypeMismatch();
    if (value < std::numeric_limits<short>::min() || value > std::numeric_limits<short>::max())
        RaiseError(ErrOverflow, QStringLiteral("Overflow"));
    return static_cast<int>(value);
}

QString SequentialReader::readString() {
    bool quoted = false;
    return platform::fromAnsi(nextField(quoted));
}

bool SequentialReader::readBoolean() {
    bool quoted = false;
    const QByteArray field = nextField(quoted).toUpper();
    if (quoted)
        RaiseTypeMismatch();
    if (field == "#TRUE#" || field == "TRUE")
        return true;
    if (field == "#FALSE#" || field == "FALSE")
        return false;
    bool ok = false;
    const long long number = field.toLongLong(&ok);
    if (!ok)
        RaiseTypeMismatch();
    return number != 0;
}
