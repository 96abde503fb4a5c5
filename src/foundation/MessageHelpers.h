#pragma once

// The message of the commands that are in the menus but not built yet.
void ShowNotAvailable();
