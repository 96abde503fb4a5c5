#pragma once

#include "platform/ChildProcess.h"

#include <QString>

struct WaitedRun {
    bool endedInTime = false;
    int exitCode = -1;
    // Why the command could not start; empty when it started.
    QString startFailure;
};

constexpr int kShellWaitMs = 10000;

// Runs the command with its standard output written to outputPath and its
// standard error to errorPath, and waits for it under the wait cursor while
// Korvo goes on handling events, at most timeoutMs. A command still running
// then is killed.
WaitedRun ShellAndWait(const platform::ChildProcess& command, const QString& outputPath, const QString& errorPath,
                       int timeoutMs = kShellWaitMs);
