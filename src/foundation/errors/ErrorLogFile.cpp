#include "foundation/errors/ErrorLogFile.h"

#include "platform/AnsiText.h"
#include "platform/ProgramFolder.h"

#include <QFile>

QString errorLogPath() {
    return platform::programFolder() + QStringLiteral("/error.log");
}

void WriteErrorLog(const QByteArray& record) {
    QFile log(errorLogPath());
    if (log.open(QIODevice::WriteOnly | QIODevice::Append))
        log.write(record);
}

QByteArray readErrorLog() {
    QByteArray bytes;
    return platform::readFileBytes(errorLogPath(), bytes) ? bytes : QByteArray();
}

bool emptyErrorLog() {
    QFile log(errorLogPath());
    return log.open(QIODevice::WriteOnly | QIODevice::Truncate);
}
