#pragma once

#include <QString>

// The one error reporter. Call SetErrorLog from inside a catch block: it
// records the error being handled, appends it to error.log in the program
// folder and shows the error form unless it is already on screen.
// gShowingError is true exactly while the form is on screen.
extern bool gShowingError;

void SetErrorLog(const QString& strMetName, const QString& sFilename);

// For states that must not occur: records StopNum as the error and the
// procedure, "Execution halted" from "On Stop Command", object "none".
void SetStopErrorLog(int StopNum);

// Appends a record for the error being handled without showing anything:
// for errors that would otherwise repeat on every repaint or every setting.
void LogErrorQuietly(const QString& strMetName, const QString& sFilename);

// Runs a step; what it raises is reported under the procedure and module.
template <typename Step>
void RunReportingErrors(const QString& strMetName, const QString& sFilename, Step step) {
    try {
        step();
    } catch (...) {
        SetErrorLog(strMetName, sFilename);
    }
}

// Runs a step whose failure changes nothing that follows.
template <typename Step>
void RunIgnoringErrors(Step step) {
    try {
        step();
    } catch (...) {
    }
}
