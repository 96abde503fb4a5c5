#include "platform/StdShell.h"

#include <QPointer>
#include <QProcess>

#include <cerrno>
#include <cstring>

namespace platform {

StdShell::StdShell(QObject* parent) : QObject(parent) {}

StdShell::~StdShell() {
    if (!process_)
        return;
    process_->disconnect(this);
    if (running_) {
        killOwnedChildGroup(*process_);
        // Reaps the killed child at once; otherwise QProcess would do so
        // itself, with a warning.
        process_->waitForFinished();
    }
}

bool StdShell::Execute(const ChildProcess& Command, const QString&, const QString& CurrentDir) {
    return ExecuteNoCheck(Command, CurrentDir);
}

bool StdShell::ExecuteNoCheck(const ChildProcess& Command, const QString& CurrentDir) {
    if (running_) {
        queue([this] { emit Error(kAlreadyRunning, QStringLiteral("Process already running.")); });
        deliver();
        return false;
    }
    dropProcess();
    process_ = std::make_unique<QProcess>();
    prepareOwnedChild(*process_, Command);
    process_->setWorkingDirectory(CurrentDir);
    connect(process_.get(), &QProcess::readyReadStandardOutput, this, &StdShell::readOutput);
    connect(process_.get(), &QProcess::readyReadStandardError, this, &StdShell::readErrorOutput);
    connect(process_.get(), &QProcess::finished, this, &StdShell::complete);
    process_->start();
    if (!process_->waitForStarted()) {
        const StartFailure failure = startFailure(*process_);
        dropProcess();
        queue([this, failure] { emit Error(failure.number, failure.text); });
        deliver();
        return false;
    }
    connect(process_.get(), &QProcess::errorOccurred, this, &StdShell::processError);
    running_ = true;
    queue([this] { emit ProcessStarted(); });
    deliver();
    return true;
}

void StdShell::WriteConsole(const QString& CommandString) {
    if (running_)
        process_->write(CommandString.toUtf8());
}

bool StdShell::Terminate(int& ExitCode) {
    if (!running_) {
        queue([this] { emit Error(kNothingToTerminate, QStringLiteral("No process to terminate.")); });
        deliver();
        return false;
    }
    const int failure = killOwnedChildGroup(*process_);
    if (failure != 0) {
        const QString text = QString::fromLocal8Bit(std::strerror(failure));
        queue([this, failure, text] { emit Error(failure, text); });
        deliver();
        return false;
    }
    ExitCode = 0;
    return true;
}

void StdShell::readOutput() {
    queueLines(output_.take(process_->readAllStandardOutput()), &StdShell::ConsoleOutput);
    deliver();
}

void StdShell::readErrorOutput() {
    queueLines(errorOutput_.take(process_->readAllStandardError()), &StdShell::ConsoleError);
    deliver();
}

void StdShell::complete() {
    // What the child wrote just before it ended may not have been read yet.
    queueLines(output_.take(process_->readAllStandardOutput()), &StdShell::ConsoleOutput);
    queueLines(errorOutput_.take(process_->readAllStandardError()), &StdShell::ConsoleError);
    if (const auto line = output_.takeUnfinished())
        queueLines({*line}, &StdShell::ConsoleOutput);
    if (const auto line = errorOutput_.takeUnfinished())
        queueLines({*line}, &StdShell::ConsoleError);
    running_ = false;
    const int exitCode = childExitCode(*process_);
    queue([this, exitCode] { emit ProcessComplete(exitCode); });
    deliver();
}

void StdShell::processError() {
    // A crash completes the run through finished; only failed reads and
    // writes are errors of their own.
    if (process_->error() != QProcess::ReadError && process_->error() != QProcess::WriteError)
        return;
    const QString text = process_->errorString();
    queue([this, text] { emit Error(EIO, text); });
    deliver();
}

void StdShell::queueLines(const QStringList& lines, void (StdShell::*event)(const QString&)) {
    for (const QString& line : lines)
        queue([this, event, line] { emit(this->*event)(line); });
}

void StdShell::queue(std::function<void()> event) {
    pending_.push_back(std::move(event));
}

void StdShell::deliver() {
    if (delivering_)
        return;
    delivering_ = true;
    const QPointer<StdShell> alive(this);
    while (!pending_.empty()) {
        const std::function<void()> event = std::move(pending_.front());
        pending_.pop_front();
        event();
        if (!alive)
            return;
    }
    delivering_ = false;
}

void StdShell::dropProcess() {
    if (!process_)
        return;
    process_->disconnect(this);
    // It may be the very process whose signal is being handled.
    process_.release()->deleteLater();
}

}
