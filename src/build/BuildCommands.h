#pragma once

// Registers the procedures of the build's command keys: the error check,
// the external tools and the user libraries.
void RegisterBuildCommands();
