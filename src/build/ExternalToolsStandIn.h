#pragma once

// External tools are not built yet: loading them and filling their menu do nothing.
void LoadExternalTools();
void AddExternalToolsToMenu();
