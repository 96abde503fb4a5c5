#include "platform/ChildProcess.h"

#include <QProcess>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace platform {
namespace {
constexpr int kLowestPriority = 19;
constexpr int kLastErrno = 133;
}

QProcessEnvironment childEnvironment(const ChildProcess& command) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (auto variable = command.variables.cbegin(); variable != command.variables.cend(); ++variable)
        environment.insert(variable.key(), variable.value());
    return environment;
}

void prepareOwnedChild(QProcess& process, const ChildProcess& command) {
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    process.setProcessEnvironment(childEnvironment(command));
    const pid_t korvo = ::getpid();
    // Runs in the child between fork and exec: async-signal-safe calls only.
    process.setChildProcessModifier([korvo] {
        ::setpgid(0, 0);
        ::setpriority(PRIO_PROCESS, 0, kLowestPriority);
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        // Korvo may have ended before the death signal was asked for.
        if (::getppid() != korvo)
            ::raise(SIGKILL);
    });
}

int killOwnedChildGroup(const QProcess& process) {
    const qint64 leader = process.processId();
    if (leader <= 0)
        return ESRCH;
    return ::kill(-pid_t(leader), SIGKILL) == 0 ? 0 : errno;
}

StartFailure startFailure(const QProcess& process) {
    const QString message = process.errorString();
    const qsizetype colon = message.lastIndexOf(QStringLiteral(": "));
    StartFailure failure;
    failure.text = colon < 0 ? message : message.mid(colon + 2);
    for (int number = 1; number <= kLastErrno; ++number) {
        if (failure.text == QString::fromLocal8Bit(std::strerror(number))) {
            failure.number = number;
            break;
        }
    }
    return failure;
}

int childExitCode(const QProcess& process) {
    return process.exitStatus() == QProcess::CrashExit ? 128 + process.exitCode() : process.exitCode();
}

}
