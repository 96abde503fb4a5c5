#pragma once

#include <QString>
#include <stdexcept>

// An error raised by Korvo's own code: the number and description that the
// error log records. Procedures that trap errors catch it at their boundary.
struct KorvoError : std::runtime_error {
    KorvoError(int number, const QString& description, const QString& source = QStringLiteral("Korvo"), int line = 0)
        : std::runtime_error(description.toStdString()), number(number), description(description), source(source), line(line) {}

    int number;
    QString description;
    QString source;
    int line;
};

// Common run-time error numbers.
enum ErrorNumber {
    ErrInvalidProcedureCall = 5,
    ErrOverflow = 6,
    ErrSubscriptOutOfRange = 9,
    ErrTypeMismatch = 13,
    ErrFileNotFound = 53,
    ErrObjectVariableNotSet = 91,
    ErrFileAlreadyOpen = 55,
    ErrInputPastEnd = 62,
    ErrPathFileAccess = 75,
    ErrPathNotFound = 76,
    ErrObjectRequired = 424,
    ErrKeyAlreadyAssociated = 457,
};

[[noreturn]] inline void RaiseError(int number, const QString& description, const QString& source = QStringLiteral("Korvo")) {
    throw KorvoError(number, description, source);
}

[[noreturn]] inline void RaiseTypeMismatch() {
    RaiseError(ErrTypeMismatch, QStringLiteral("Type mismatch"));
}
