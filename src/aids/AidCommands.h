#pragma once

#include <array>

// The commands of the clipboard ring, the hot codes, the snippets and the
// inserters by command key, in menu order, for the command dispatcher to
// register. The seven snippet commands reach the snippets panel.
struct AidCommand {
    const char* key;
    void (*run)();
};

const std::array<AidCommand, 17>& AidCommands();
