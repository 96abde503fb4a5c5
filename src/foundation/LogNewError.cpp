#include "foundation/LogNewError.h"

#include "foundation/ErrorLog.h"
#include "platform/KorvoError.h"

void LogNewError(int number, const QString& description, const QString& procedure, const QString& module) {
    try {
        RaiseError(number, description);
    } catch (...) {
        SetErrorLog(procedure, module);
    }
}
