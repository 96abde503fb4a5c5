#include "foundation/errors/ErrorRecord.h"

#include "platform/AnsiText.h"
#include "platform/Host.h"
#include "platform/KorvoError.h"
#include "platform/ProgramFolder.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <QSysInfo>

#include <exception>

namespace {

QString field(const QString& label, const QString& value) {
    // A record keeps one line per field whatever the value holds.
    QString flat = value;
    flat.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return label.leftJustified(26) + QLatin1Char(':') + flat;
}

QString systemTime(const QTime& time) {
    // The system's long time format names the time zone; the log never did.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*t+")));
    return QLocale::system().toString(time, format);
}

QString programVersion() {
    return QStringLiteral("%1.%2.%3").arg(KORVO_VERSION_MAJOR).arg(KORVO_VERSION_MINOR).arg(KORVO_VERSION_PATCH);
}

}

CapturedError captureCurrentError(const QString& procedure, const QString& object) {
    CapturedError captured;
    captured.procedure = procedure;
    captured.object = object;
    const std::exception_ptr current = std::current_exception();
    if (!current)
        return captured;
    try {
        std::rethrow_exception(current);
    } catch (const KorvoError& e) {
        captured.number = e.number;
        captured.description = e.description;
        captured.source = e.source;
        captured.line = e.line;
    } catch (const std::exception& e) {
        captured.number = kInternalErrorNumber;
        captured.description = QString::fromLocal8Bit(e.what());
        captured.source = QStringLiteral("Korvo");
    } catch (...) {
        captured.number = kInternalErrorNumber;
        captured.description = QStringLiteral("Unknown error");
        captured.source = QStringLiteral("Korvo");
    }
    return captured;
}

OsInfo GetOSInfo() {
    return {QSysInfo::prettyProductName(), QSysInfo::productVersion(), QSysInfo::kernelVersion()};
}

QByteArray errorRecord(const CapturedError& error, const OsInfo& os, const QDateTime& created) {
    const QLocale locale = QLocale::system();
    const QStringList lines = {
        QStringLiteral("**********>> Created: ") + locale.toString(created.date(), QLocale::ShortFormat) + QStringLiteral(", ")
            + systemTime(created.time()) + QStringLiteral("<<***********"),
        field(QStringLiteral("Korvo version"), programVersion()),
        field(QStringLiteral("App. Path"), platform::programFolder()),
        field(QStringLiteral("File Name"), error.object),
        field(QStringLiteral("Method Name"), error.procedure),
        field(QStringLiteral("Error Description"), error.description),
        field(QStringLiteral("Error Number"), QString::number(error.number)),
        field(QStringLiteral("Error Line"), QString::number(error.line)),
        field(QStringLiteral("Error Source"), error.source),
        field(QStringLiteral("OS Info"), os.name + QStringLiteral("   Version:") + os.version + QStringLiteral(" Build:") + os.build),
        field(QStringLiteral("Files opened"), QString::number(platform::host().documentWindowCount())),
        QString(62, QLatin1Char('*')),
    };
    return platform::toAnsi(lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n"));
}
