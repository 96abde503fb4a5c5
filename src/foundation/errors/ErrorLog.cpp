#include "foundation/errors/ErrorLog.h"

#include "foundation/errors/ErrorLogFile.h"
#include "foundation/errors/ErrorRecord.h"
#include "foundation/errors/FrmError.h"

bool gShowingError = false;

namespace {

void writeRecord(const CapturedError& error) {
    WriteErrorLog(errorRecord(error, GetOSInfo(), QDateTime::currentDateTime()));
}

// Errors reported while the form is on screen (timers and notifications keep
// running under it) are recorded without a second form.
void report(const CapturedError& error) {
    writeRecord(error);
    if (gShowingError)
        return;
    struct ShowingError {
        ShowingError() { gShowingError = true; }
        ~ShowingError() { gShowingError = false; }
    } showing;
    showErrorForm(QStringLiteral("%1 in %2: %3 (error %4)")
                      .arg(error.procedure, error.object, error.description.simplified())
                      .arg(error.number));
}

}

void SetErrorLog(const QString& strMetName, const QString& sFilename) {
    report(captureCurrentError(strMetName, sFilename));
}

void SetStopErrorLog(int StopNum) {
    CapturedError stop = captureCurrentError(QString::number(StopNum), QStringLiteral("none"));
    stop.number = StopNum;
    stop.description = QStringLiteral("Execution halted");
    stop.source = QStringLiteral("On Stop Command");
    report(stop);
}

void LogErrorQuietly(const QString& strMetName, const QString& sFilename) {
    writeRecord(captureCurrentError(strMetName, sFilename));
}
