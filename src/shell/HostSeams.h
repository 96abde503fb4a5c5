#pragma once

namespace dock {
class DockLayer;
}

// Hands the main window's docking layer to the code below the shell: the
// document windows' count and captions, the list commands and the
// command-bar combos. Called again after every layout load; null removes
// every seam.
void InstallHostSeams(dock::DockLayer* layer);
