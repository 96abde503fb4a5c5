#include "build/ShellAndWait.h"

#include "editor/WaitCursor.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

WaitedRun ShellAndWait(const platform::ChildProcess& command, const QString& outputPath, const QString& errorPath,
                       int timeoutMs) {
    WaitCursorScope waitCursor;
    QProcess process;
    platform::prepareOwnedChild(process, command);
    process.setStandardOutputFile(outputPath);
    process.setStandardErrorFile(errorPath);
    process.start();
    WaitedRun run;
    if (!process.waitForStarted()) {
        run.startFailure = process.errorString();
        return run;
    }

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    deadline.start(timeoutMs);
    if (process.state() != QProcess::NotRunning)
        loop.exec();

    if (process.state() != QProcess::NotRunning) {
        platform::killOwnedChildGroup(process);
        process.waitForFinished();
        return run;
    }
    run.endedInTime = true;
    run.exitCode = platform::childExitCode(process);
    return run;
}
