#pragma once

#include <QByteArray>
#include <QString>

// The product's report mailbox, line 2 of every report.
inline constexpr char kErrorReportRecipient[] = "bugs@korvo.invalid";

// The error report: an unsent mail message (.eml) in the program folder that
// the desktop's mail program opens, carrying the whole error log.
QString errorReportPath();

// The report's 20 CRLF lines around the given log text.
QByteArray errorReportMail(const QByteArray& log);

// Writes the report from error.log and hands it to the mail program. A
// report that cannot be written is not opened.
void CreateErrorReportMail();
