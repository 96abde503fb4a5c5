#include "files/SaveFailure.h"

#include "platform/Prompt.h"

void ShowSaveFailure(const QString& path) {
    platform::MsgBox(QStringLiteral("Could not save ") + path +
                         QStringLiteral("\r\nThe file may be in use by another process or disk is write protected"),
                     platform::vbCritical, QStringLiteral("Document could not be saved !"));
}
