#pragma once

#include "platform/ChildProcess.h"
#include "platform/ConsoleLines.h"

#include <QObject>
#include <QString>

#include <deque>
#include <functional>
#include <memory>

class QProcess;

// Runs one console child process at a time and raises what it writes as
// line events. It follows the process's own signals and never blocks but to
// see the child's exec through.
//
// A run raises ProcessStarted first and ProcessComplete last, with every
// line, the unfinished last one included, in between. One runner's events
// never nest: a handler that opens a modal box gets the next event after it
// returns. A handler may start the next run, or destroy the runner.
// Destroying the runner while its child runs kills the child's process group
// and raises nothing more.
namespace platform {

class StdShell : public QObject {
    Q_OBJECT
public:
    explicit StdShell(QObject* parent = nullptr);
    ~StdShell() override;

    bool Running() const { return running_; }

    // Another program's window cannot be looked for on every desktop, so
    // Execute starts the command exactly as ExecuteNoCheck does. An empty
    // CurrentDir keeps Korvo's working folder. True when the child started.
    bool Execute(const ChildProcess& Command, const QString& ConsoleName, const QString& CurrentDir);
    bool ExecuteNoCheck(const ChildProcess& Command, const QString& CurrentDir);
    // Queues the text (UTF-8, no line end added) for the child's standard
    // input; does nothing without a run.
    void WriteConsole(const QString& CommandString);
    // Kills the child's process group; ExitCode is set to 0. The run then
    // completes with 137, so a killed build never reads as a success.
    bool Terminate(int& ExitCode);

    static constexpr int kAlreadyRunning = -2147221503;
    static constexpr int kNothingToTerminate = -2147221502;

signals:
    void ConsoleOutput(const QString& Output);
    void ConsoleError(const QString& Output);
    void ProcessComplete(int exitCode);
    void Error(int ErrorNumber, const QString& ErrorMessage);
    void ProcessStarted();

private:
    void readOutput();
    void readErrorOutput();
    void complete();
    void processError();
    void queueLines(const QStringList& lines, void (StdShell::*event)(const QString&));
    void queue(std::function<void()> event);
    // Raises the queued events in order, unless an event is being raised
    // already: then that one's caller goes on with them once it returns.
    // The last call of every entry point, since a handler may destroy the runner.
    void deliver();
    void dropProcess();

    std::unique_ptr<QProcess> process_;
    ConsoleLines output_;
    ConsoleLines errorOutput_;
    bool running_ = false;
    std::deque<std::function<void()>> pending_;
    bool delivering_ = false;
};

}
