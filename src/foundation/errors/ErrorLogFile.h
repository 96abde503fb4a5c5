#pragma once

#include <QByteArray>
#include <QString>

// error.log in the program folder: records are appended across runs and the
// file is emptied only when the user sends a report.
QString errorLogPath();

// Appends one record; a log that cannot take it whole loses the record
// quietly and keeps its old bytes.
void WriteErrorLog(const QByteArray& record);

// The whole log, or nothing when it is missing or unreadable.
QByteArray readErrorLog();

bool emptyErrorLog();
