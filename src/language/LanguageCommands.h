#pragma once

// Registers the procedures of the code assistance's command keys:
// completion, call tips and go to declaration.
void RegisterLanguageCommands();
