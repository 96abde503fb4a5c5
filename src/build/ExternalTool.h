#pragma once

#include <QString>

#include <memory>

// One external tool: a command line the user starts from the tools menu.
struct clsExTool {
    QString Caption;     // also its key in the tool list; unique without case
    QString Path;        // the tool's directory
    QString Parameters;  // the command and its arguments; may hold macros
    int AskForConfirmation = 0;  // only 1 asks before running
};

using ExToolPtr = std::shared_ptr<clsExTool>;
