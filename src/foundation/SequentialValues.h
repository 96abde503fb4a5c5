#pragma once

#include <QByteArray>
#include <QString>

// Korvo's small configuration files hold one value a line: numbers as
// decimal text, strings between double quotes, Booleans as #TRUE# or
// #FALSE#. A double quote inside a string is written twice, so every string
// reads back as written.
class SequentialWriter {
public:
    void writeInteger(int value);
    void writeString(const QString& value);
    void writeBoolean(bool value);

    const QByteArray& bytes() const { return bytes_; }

private:
    void writeLine(const QByteArray& line);

    QByteArray bytes_;
};

// Reads values separated by line ends or commas. Reading past the end raises
// error 62; a value of the wrong kind raises error 13, a number beyond 16
// bits error 6.
class SequentialReader {
public:
    explicit SequentialReader(QByteArray bytes);

    int readInteger();
    QString readString();
    bool readBoolean();
    // The 1-based line of the value read last, or being read when one raised.
    int line() const;

private:
    QByteArray nextField(bool& quoted);
    void skipBlanks();
    void skipDelimiter();

    QByteArray bytes_;
    qsizetype pos_ = 0;
    qsizetype fieldStart_ = 0;
};
