#include "DumpCommand.h"

#include "platform/StdShell.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <optional>

namespace {

struct ShellOptions {
    std::optional<int> terminateAfterMs;
    std::optional<int> quitAfterMs;
    platform::ChildProcess command;
};

std::optional<ShellOptions> readOptions(QStringList args) {
    ShellOptions options;
    while (args.size() > 1 && (args.first() == QLatin1String("--terminate-after") || args.first() == QLatin1String("--quit-after"))) {
        const QString option = args.takeFirst();
        bool number = false;
        const int ms = args.takeFirst().toInt(&number);
        if (!number)
            return std::nullopt;
        (option == QLatin1String("--quit-after") ? options.quitAfterMs : options.terminateAfterMs) = ms;
    }
    if (args.isEmpty())
        return std::nullopt;
    options.command.program = args.takeFirst();
    options.command.arguments = args;
    return options;
}

// Quitting ends the run by destroying the runner, which raises nothing more.
int dumpShell(const QStringList& args) {
    const auto options = readOptions(args);
    if (!options) {
        std::fprintf(stderr, "korvo-dump --shell: no program given\n");
        return 2;
    }
    platform::StdShell shell;
    QObject::connect(&shell, &platform::StdShell::ProcessStarted, [] { printLine(QStringLiteral("started")); });
    QObject::connect(&shell, &platform::StdShell::ConsoleOutput, [](const QString& line) { printLine(QStringLiteral("output:") + line); });
    QObject::connect(&shell, &platform::StdShell::ConsoleError, [](const QString& line) { printLine(QStringLiteral("error-output:") + line); });
    QObject::connect(&shell, &platform::StdShell::Error, [](int number, const QString& text) {
        printLine(QStringLiteral("error:%1:%2").arg(number).arg(text));
    });
    QObject::connect(&shell, &platform::StdShell::ProcessComplete, [](int exitCode) {
        printLine(QStringLiteral("complete:%1").arg(exitCode));
        QCoreApplication::quit();
    });
    if (!shell.ExecuteNoCheck(options->command, QString()))
        return 1;
    if (options->terminateAfterMs)
        QTimer::singleShot(*options->terminateAfterMs, &shell, [&shell] {
            int exitCode = -1;
            shell.Terminate(exitCode);
        });
    if (options->quitAfterMs)
        QTimer::singleShot(*options->quitAfterMs, [] { QCoreApplication::quit(); });
    QCoreApplication::exec();
    return 0;
}

const DumpCommand shellCommand("--shell", "[--terminate-after MS | --quit-after MS] PROGRAM [ARG...]", dumpShell);

}
