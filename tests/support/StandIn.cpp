#include "support/StandIn.h"

#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

StandInInstallation::StandInInstallation() {
    QDir(path()).mkpath(QStringLiteral("bin"));
    QDir(path()).mkpath(QStringLiteral("userlibs"));
    QFile::link(QStringLiteral(KORVO_STAND_IN_INSTALLATION "/bin/blitzcc"), compiler());
}

void StandInInstallation::addLibrary(const QString& fileName, const QByteArray& declarations) {
    writeAll(path() + QStringLiteral("/userlibs/") + fileName, declarations);
}

ScopedVariable::ScopedVariable(const char* name, const QByteArray& value)
    : name_(name), wasSet_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    qputenv(name, value);
}

ScopedVariable::~ScopedVariable() {
    if (wasSet_)
        qputenv(name_, old_);
    else
        qunsetenv(name_);
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

QList<qint64> loggedPids(const QString& logPath) {
    QList<qint64> pids;
    for (const QByteArray& line : readAll(logPath).split('\n'))
        if (line.startsWith("pid="))
            pids.append(line.mid(4).toLongLong());
    return pids;
}

QStringList loggedArguments(const QString& logPath) {
    QStringList arguments;
    for (const QString& line : QString::fromUtf8(readAll(logPath)).split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("arg=")))
            arguments << line.mid(4);
    return arguments;
}

bool processGone(qint64 pid) {
    const QByteArray stat = readAll(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.isEmpty())
        return true;
    const qsizetype nameEnd = stat.lastIndexOf(')');
    return nameEnd >= 0 && stat.mid(nameEnd + 2, 1) == "Z";
}
