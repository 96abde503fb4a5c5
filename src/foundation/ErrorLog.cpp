#include "foundation/ErrorLog.h"

#include "platform/KorvoError.h"
#include "platform/ProgramFolder.h"

#include <QFile>

bool gShowingError = false;

namespace {
void appendRecord(const QString& procedure, const QString& module) {
    QFile log(platform::programFolder() + QStringLiteral("/error.log"));
    if (log.open(QIODevice::Append))
        log.write((module + QStringLiteral(" ") + procedure + QStringLiteral("\r\n")).toLatin1());
}
}

void SetErrorLog(const QString& strMetName, const QString& sFilename) {
    appendRecord(strMetName, sFilename);
}

void SetStopErrorLog(int StopNum) {
    appendRecord(QString::number(StopNum), QStringLiteral("none"));
}

void LogErrorQuietly(const QString& strMetName, const QString& sFilename) {
    appendRecord(strMetName, sFilename);
}
