#pragma once

#include <QString>

// Hides the main window's dock window of that key when it shows, else shows
// and activates it. Raises error 50000 when there is no such dock window;
// nothing without a main window.
void ToggleDockWindow(const QString& key);
