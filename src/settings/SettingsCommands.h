#pragma once

// Registers the procedures of the option and style dialogs' command keys.
void RegisterSettingsCommands();
