#pragma once

#include <QString>

#include <functional>

// Korvo's stand-in for the desktop shell's "open": a document goes to the
// program the desktop associates with its type. Nothing is ever started as a
// program: a file the desktop could start is refused. Tests install a handler
// so that nothing is opened for real.
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

// True for a file that a desktop's opener may run rather than show: a
// program, a library, a desktop entry, or a script (text with the execute
// bit, or a type the desktop knows as a script).
bool desktopCouldStart(const QString& path);

}
