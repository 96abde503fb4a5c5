#pragma once

#include "platform/Host.h"

#include <QString>

#include <initializer_list>
#include <optional>

// The procedures behind the command keys. Each layer that owns commands
// keeps one table of rows, key to procedure, and registers it at start-up;
// the main window's dispatcher finds the procedure by key, so it includes
// none of the owners.
namespace platform {

// What a click hands to its procedure: the command's key and, for a list
// command, the entry clicked.
struct CommandClick {
    QString key;
    std::optional<CommandListItem> entry;
};

class CommandRow {
public:
    constexpr CommandRow(const char* key, void (*procedure)()) : key_(key), plain_(procedure) {}
    constexpr CommandRow(const char* key, void (*procedure)(const CommandClick&)) : key_(key), withClick_(procedure) {}

    const char* key() const { return key_; }
    void run(const CommandClick& click) const;

private:
    const char* key_;
    void (*plain_)() = nullptr;
    void (*withClick_)(const CommandClick&) = nullptr;
};

// A later row for a key replaces an earlier one.
void RegisterCommandProcedures(std::initializer_list<CommandRow> rows);
// Null when no table has the key.
const CommandRow* FindCommandProcedure(const QString& key);

}
