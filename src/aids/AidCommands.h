#pragma once

#include <array>

// The commands of find and replace, the clipboard ring and the hot codes by command key, in
// menu order, for the command dispatcher to register.
struct AidCommand {
    const char* key;
    void (*run)();
};

const std::array<AidCommand, 10>& AidCommands();
