#pragma once

#include <QString>

// The progress window of a build: caption " Compiling", a progress bar and
// a label. Modeless, owned by the main window once there is one; every
// build shares the one window.

// Opens (or raises) the window, its bar at 0 and its label set.
void ShowCompiling(const QString& label);
// The bar's value. Reading it while the window is closed opens it hidden
// at 0, so a run's progress starts again from 0.
int CompilingProgress();
void SetCompilingProgress(int value);
// Closes the window; nothing when it is closed.
void CloseCompiling();
// True while the window is open and shown.
bool CompilingShown();
