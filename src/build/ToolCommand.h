#pragma once

#include "build/ExternalTool.h"
#include "platform/ChildProcess.h"

#include <QString>

// What the tool macros stand for at the moment a tool runs. Folders end in "/".
struct ToolMacroValues {
    // Without an active document %Activefile%, %ActivefileDir% and
    // %ProjectDir% stay as typed.
    bool documentActive = false;
    QString activeFile;
    QString activeFileDir;
    QString projectDir;
    QString lastExe;
    QString korvoDir;
};

// The program and arguments a tool starts. Its command is split into words
// as a command line is (blanks separate, double quotes group), then the
// macros are expanded inside each word without regard to case, once, so a
// value never leaves its word and is never expanded again; a word left
// empty is dropped. The directory, never
// split, joined by one "/" to the first word is the program; without a
// directory the first word is.
platform::ChildProcess ToolCommand(const clsExTool& tool, const ToolMacroValues& values);

// The command as the user reads it: words with a blank are quoted.
QString ToolCommandText(const platform::ChildProcess& command);
