#include "foundation/ShellExecute.h"

#include "platform/ShellOpen.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// Shell results without an error number of their own are object-defined errors.
constexpr int64_t kObjectError = -2147220456;

std::optional<KorvoError>& lastError() {
    static std::optional<KorvoError> error;
    return error;
}

QString errorSource() {
    const QString program = QCoreApplication::instance() ? QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()
                                                         : QStringLiteral("korvo");
    return program + QStringLiteral(".GShell");
}

// The error for a failing shell result (0 to 32).
KorvoError shellError(int shellResult) {
    const auto objectError = [&](const char* message) {
        return KorvoError(int(kObjectError + shellResult), QString::fromLatin1(message), errorSource());
    };
    const auto error = [&](int number, const char* message) { return KorvoError(number, QString::fromLatin1(message), errorSource()); };
    switch (shellResult) {
    case 0:
    case 8: return error(7, "Out of memory");
    case 2: return error(ErrFileNotFound, "File not found");
    case 3: return error(ErrPathNotFound, "Path not found");
    case 5: return error(ErrPathFileAccess, "Path/file access error");
    case 11: return objectError("The executable file is invalid or corrupt");
    case 26: return error(ErrPathFileAccess, "A sharing violation occurred.");
    case 27: return objectError("This file type does not have a valid file association.");
    case 28: return error(286, "The file could not be opened due to time out.  Please try again in a moment.");
    case 29: return error(285, "The file could not be opened because the DDE transaction failed.  Please try again in a moment.");
    case 30: return error(285, "The file could not be opened because the target application is busy.  Please try again in a moment.");
    case 31: return objectError("No application is associated with this file type.");
    case 32: return error(48, "The specified dynamic-link library was not found.");
    default: return objectError("An error occurred occurred whilst trying to open or print the selected file.");
    }
}

}

bool GShell(const QString& file, int show, const QString& params, const QString& dir, const QString& op) {
    platform::ShellRequest request;
    request.file = file;
    request.verb = op;
    request.parameters = params;
    request.folder = dir;
    if (params.isEmpty() && dir.isEmpty())
        request.show = 1;
    else
        request.show = file.toUpper().contains(QLatin1String(".EXE")) ? 0 : show;
    const int result = platform::shellExecute(request);
    if (result > 32 || result < 0) {
        lastError().reset();
        return true;
    }
    lastError() = shellError(result);
    return false;
}

std::optional<KorvoError> GShellLastError() {
    return lastError();
}
