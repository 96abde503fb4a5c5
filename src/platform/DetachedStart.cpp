#include "platform/DetachedStart.h"

#include <QProcess>

namespace platform {
namespace {

DetachedStartHandler& installedHandler() {
    static DetachedStartHandler handler;
    return handler;
}

bool startForReal(const ChildProcess& command, QString& failure) {
    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    process.setProcessEnvironment(childEnvironment(command));
    if (process.startDetached())
        return true;
    failure = startFailure(process).text;
    return false;
}

}

void setDetachedStartHandler(DetachedStartHandler handler) {
    installedHandler() = std::move(handler);
}

bool startDetached(const ChildProcess& command) {
    QString failure;
    return startDetached(command, failure);
}

bool startDetached(const ChildProcess& command, QString& failure) {
    if (!installedHandler())
        return startForReal(command, failure);
    if (installedHandler()(command))
        return true;
    failure = QStringLiteral("The program could not be started.");
    return false;
}

}
