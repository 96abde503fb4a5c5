#pragma once

#include <QString>

#include <functional>

// A list command of the main window's command bars: a menu whose entries
// are added by caption ("MRUExternalTools").
class CommandList {
public:
    virtual ~CommandList() = default;
    virtual void Clear() = 0;
    virtual void AddEntry(const QString& caption) = 0;
};

// Finds a list command by its key; null when there is none. The main window
// installs it.
using CommandListFinder = std::function<CommandList*(const QString& commandKey)>;
void SetCommandListFinder(CommandListFinder finder);
CommandList* FindCommandList(const QString& commandKey);
