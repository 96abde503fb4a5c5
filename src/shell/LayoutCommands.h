#pragma once

// The user's layout slots 1 to 3: the arrangement of menus, bars, commands
// and dock panels with the main window's placement. Open documents stay as
// they are.
void SaveAsLayout(int slot);
void SwitchToLayout(int slot);
// Asks, then returns to the default layout, keeping the recent lists.
void ResetLayout();
