#include "platform/DetachedStart.h"

#include <QProcess>

namespace platform {
namespace {

DetachedStartHandler& installedHandler() {
    static DetachedStartHandler handler;
    return handler;
}

bool startForReal(const ChildProcess& command) {
    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    process.setProcessEnvironment(childEnvironment(command));
    return process.startDetached();
}

}

void setDetachedStartHandler(DetachedStartHandler handler) {
    installedHandler() = std::move(handler);
}

bool startDetached(const ChildProcess& command) {
    return installedHandler() ? installedHandler()(command) : startForReal(command);
}

}
