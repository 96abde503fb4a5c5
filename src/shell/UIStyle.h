#pragma once

// Gives every docking layer the appearance of settings Options/UIDockWndStyle
// (the main window's layer only) and Options/UICmdBarsStyle; an unknown name
// leaves the look as it was.
void ApplyUIStyle();
