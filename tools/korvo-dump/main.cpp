#include "DumpCommand.h"

#include <QApplication>

#include <cstdio>
#include <map>
#include <string>

namespace {
struct Registered {
    std::string usage;
    DumpHandler handler;
};

std::map<std::string, Registered>& commands() {
    static std::map<std::string, Registered> all;
    return all;
}

int usage() {
    std::fprintf(stderr, "usage:\n");
    for (const auto& [option, command] : commands())
        std::fprintf(stderr, "  korvo-dump %s %s\n", option.c_str(), command.usage.c_str());
    return 2;
}
}

DumpCommand::DumpCommand(const char* option, const char* usageText, DumpHandler handler) {
    commands()[option] = {usageText, std::move(handler)};
}

QString shownLineEnds(QString text) {
    return text.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\r'), QStringLiteral("\\r")).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
}

void printLine(const QString& line) {
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    // Qt sees no arguments: its own options would take modes such as --style.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    if (args.isEmpty())
        return usage();
    const auto found = commands().find(args.takeFirst().toStdString());
    if (found == commands().end())
        return usage();
    const int exitCode = found->second.handler(args);
    return exitCode == kWrongArguments ? usage() : exitCode;
}
