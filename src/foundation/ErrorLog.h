#pragma once

#include <QString>

class KorvoError;

// The one error reporter. Call SetErrorLog from inside a catch block: it
// records the error being handled, appends it to error.log in the program
// folder and shows the error form unless it is already on screen.
extern bool gShowingError;

void SetErrorLog(const QString& strMetName, const QString& sFilename);
void SetStopErrorLog(int StopNum);

// Appends a record for the error being handled without showing anything:
// for errors that would otherwise repeat on every repaint or every setting.
void LogErrorQuietly(const QString& strMetName, const QString& sFilename);
