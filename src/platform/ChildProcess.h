#pragma once

#include <QMap>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

class QProcess;

// A program Korvo starts, with its arguments as a list: no shell ever reads
// them. The variables are set for the child only; Korvo's own environment
// never changes (setting it is unsafe in a threaded Qt process).
namespace platform {

struct ChildProcess {
    QString program;
    QStringList arguments;
    QMap<QString, QString> variables;
};

// Korvo's environment with the command's variables set over it.
QProcessEnvironment childEnvironment(const ChildProcess& command);

// Sets up the process to start the command as a child that Korvo owns: it
// leads a process group of its own, runs at the lowest priority (nice 19)
// and is killed when Korvo ends, however Korvo ends.
void prepareOwnedChild(QProcess& process, const ChildProcess& command);

// Sends SIGKILL to the group that a running owned child leads. Returns 0, or
// the errno of the failure.
int killOwnedChildGroup(const QProcess& process);

// The errno and its text behind a failed start, from QProcess's error string
// ("execvp: No such file or directory"); -1 when it names no errno.
struct StartFailure {
    int number = -1;
    QString text;
};
StartFailure startFailure(const QProcess& process);

// The exit code of a finished child; one ended by a signal gives 128 + the
// signal, as shells report it.
int childExitCode(const QProcess& process);

}
