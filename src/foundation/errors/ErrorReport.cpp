#include "foundation/errors/ErrorReport.h"

#include "foundation/errors/ErrorLogFile.h"
#include "platform/AnsiText.h"
#include "platform/AtomicFileWrite.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompt.h"
#include "platform/ShellOpen.h"

#include <QStringList>

namespace {
QString reportTitle() {
    return platform::applicationTitle() + QStringLiteral(" - Error Report");
}
}

QString errorReportPath() {
    return platform::programFolder() + QLatin1Char('/') + reportTitle() + QStringLiteral(".eml");
}

QByteArray errorReportMail(const QByteArray& log) {
    const auto lines = [](const QStringList& list) { return platform::toAnsi(list.join(QLatin1String("\r\n")) + QLatin1String("\r\n")); };
    const QStringList head = {
        QStringLiteral("From: <>"),
        QStringLiteral("To: \"") + QLatin1String(kErrorReportRecipient) + QLatin1Char('"'),
        QStringLiteral("Subject: ") + reportTitle(),
        QStringLiteral("X-Unsent: 1"),
        QString(),
        QStringLiteral("If possible, please include a description of the steps required to reproduce this error:"),
        QString(), QString(), QString(), QString(),
        QStringLiteral("Add your note here, or any other info about this error and current state of Korvo : "),
        QStringLiteral("( attaching screenshot to this mail will be also much appreciated )"),
        QString(), QString(), QString(), QString(),
        QStringLiteral("<BEGIN REPORT - PLEASE DO NOT WRITE BELOW THIS LINE>"),
        QString(),
    };
    return lines(head) + log + "\r\n" + lines({QStringLiteral("<END REPORT>")});
}

void CreateErrorReportMail() {
    const QString path = errorReportPath();
    if (!platform::writeFileBytesAtomically(path, errorReportMail(readErrorLog())))
        return;
    platform::ShellRequest open;
    open.file = path;
    open.verb = QStringLiteral("Open");
    platform::shellExecute(open);
}
