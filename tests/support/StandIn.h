#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

// The stand-in compiler (tests/support/blitzcc) as an installation folder of
// its own: bin/blitzcc links to the built stand-in, userlibs/ is empty.
class StandInInstallation {
public:
    StandInInstallation();
    QString path() const { return dir_.path(); }
    QString compiler() const { return path() + QStringLiteral("/bin/blitzcc"); }
    void addLibrary(const QString& fileName, const QByteArray& declarations);

private:
    QTemporaryDir dir_;
};

// Sets an environment variable of the test process, which children inherit,
// and restores it when the scope ends.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QByteArray& value);
    ~ScopedVariable();

private:
    const char* name_;
    bool wasSet_;
    QByteArray old_;
};

// Handles events until the condition holds; false when it still does not
// after timeoutMs.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 10000);

// The pids that BLITZCC_LOG recorded, one per run.
QList<qint64> loggedPids(const QString& logPath);

// The arguments that BLITZCC_LOG recorded, of every run in order.
QStringList loggedArguments(const QString& logPath);

// True when no process has that pid any more, or only its zombie is left
// (an orphan waits for a reaper the test cannot control).
bool processGone(qint64 pid);
