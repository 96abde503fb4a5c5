#pragma once

#include "platform/ChildProcess.h"

#include <functional>

// Starts a program that lives on by itself (a built program, a tool): Korvo
// neither waits for it nor ends it. Tests install a handler that records the
// starts, so that nothing is started for real.
namespace platform {

using DetachedStartHandler = std::function<bool(const ChildProcess&)>;

// Installs a handler (tests); an empty handler restores the real start.
void setDetachedStartHandler(DetachedStartHandler handler);

// True when the program started.
bool startDetached(const ChildProcess& command);
// The same; on failure, failure holds the system's reason.
bool startDetached(const ChildProcess& command, QString& failure);

}
