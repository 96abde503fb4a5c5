#pragma once

#include <QString>

#include <span>

// The command vocabulary of the main window, in the order the dispatcher
// compares it. Keys compare exactly, letter case included.
struct CommandKey {
    const char* key;
    // The open completion list closes before the command runs.
    bool cancelsCompletion = false;
};

std::span<const CommandKey> CommandKeys();
// Null for a key that is not a command.
const CommandKey* FindCommandKey(const QString& key);
