#include "build/CompilerCommand.h"

QString CompilerExecutable(const QString& installation) {
    return installation + QStringLiteral("/bin/blitzcc");
}

platform::ChildProcess CompilerCommand(const QString& installation, const QStringList& arguments) {
    platform::ChildProcess command;
    command.program = CompilerExecutable(installation);
    command.arguments = arguments;
    command.variables.insert(QStringLiteral("BLITZPATH"), installation);
    command.variables.insert(QStringLiteral("blitzpath"), installation);
    return command;
}
