#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// One error as the error log records it.
struct CapturedError {
    int number = 0;
    QString description;
    QString source;
    int line = 0;
    QString procedure;  // the trapping procedure
    QString object;     // its module, form or class
};

// The operating-system texts of a record's "OS Info" line.
struct OsInfo {
    QString name;
    QString version;
    QString build;
};

// Reads the exception being handled (none: number 0, empty texts).
CapturedError captureCurrentError(const QString& procedure, const QString& object);

// Number of the errors that are not Korvo's own: the C++ runtime's and unknown ones.
constexpr int kInternalErrorNumber = 51;

OsInfo GetOSInfo();

// The 12 CRLF lines of one record, as Windows-1252 bytes.
QByteArray errorRecord(const CapturedError& error, const OsInfo& os, const QDateTime& created);
