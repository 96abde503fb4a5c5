#include "foundation/errors/LogNewError.h"

#include "foundation/errors/ErrorLog.h"
#include "platform/KorvoError.h"

namespace {
void logRaised(int number, const QString& description, const QString& source, void (*log)(const QString&, const QString&),
               const QString& procedure, const QString& module) {
    try {
        RaiseError(number, description, source);
    } catch (...) {
        log(procedure, module);
    }
}
}

void LogNewError(int number, const QString& description, const QString& procedure, const QString& module) {
    logRaised(number, description, QStringLiteral("Korvo"), SetErrorLog, procedure, module);
}

void LogNewErrorQuietly(int number, const QString& description, const QString& procedure, const QString& module) {
    logRaised(number, description, module, LogErrorQuietly, procedure, module);
}
