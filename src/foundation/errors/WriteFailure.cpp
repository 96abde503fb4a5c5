#include "foundation/errors/WriteFailure.h"

#include "foundation/errors/LogNewError.h"
#include "platform/AtomicFileWrite.h"
#include "platform/KorvoError.h"

void ReportWriteFailure(const QString& path, const QString& procedure, const QString& module) {
    LogNewErrorQuietly(ErrPathFileAccess,
                       QStringLiteral("Path/File access error: ") + path + QStringLiteral(": ") + platform::lastWriteFailure(),
                       procedure, module);
    platform::ShowWriteFailure(path);
}
