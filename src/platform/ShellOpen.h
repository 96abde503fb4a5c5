#pragma once

#include <QString>

#include <functional>

// Korvo's stand-in for the desktop shell's "open": a document goes to the
// program the desktop associates with its type, a program is started. Tests
// install a handler so that nothing is opened for real.
namespace platform {

struct ShellRequest {
    QString file;        // a path or a URL
    QString verb;        // "" or "open": the default action
    QString parameters;  // command-line arguments for a program
    QString folder;      // working folder for a program
    int show = 1;        // requested window state: 0 hidden, 1 normal, 10 the program's default
};

// Result codes as the classic shell gives them: above 32 means success.
enum ShellResult {
    ShellFileNotFound = 2,
    ShellPathNotFound = 3,
    ShellAccessDenied = 5,
    ShellNoAssociation = 31,
    ShellSuccess = 33,
};

using ShellHandler = std::function<int(const ShellRequest&)>;

// Installs a handler (tests); an empty handler restores the desktop's.
void setShellHandler(ShellHandler handler);

int shellExecute(const ShellRequest& request);

}
