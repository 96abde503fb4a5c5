#include "build/ExternalToolsStandIn.h"

void LoadExternalTools() {}

void AddExternalToolsToMenu() {}
