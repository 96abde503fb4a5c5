#pragma once

// Registers the procedures of the shell's own command keys: the one-message
// editing commands, the view, tab, build, layout and dialog commands, "Exit"
// and "Customize UI".
void RegisterShellCommands();

// Closes any completion list, then undoes.
void UndoCommand();
