#pragma once

#include <QString>

// Shows and activates the dock window with the key, or hides it when it is
// showing.
void ToggleDockWindow(const QString& key);
// Shows or hides the status bar; the "StatusBar" command is checked while it shows.
void ToggleStatusBar();
// Flips "Strict Mode": unknown names are marked as errors while it is on.
void ChangeStrictMode();
