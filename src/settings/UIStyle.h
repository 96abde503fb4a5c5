#pragma once

#include <QString>

#include <span>

// The looks of the docking layers: the dock-window styles, which only the
// main window's layer takes, and the command-bar styles, which every layer
// takes. Settings Options/UIDockWndStyle and Options/UICmdBarsStyle name them.
struct DockWindowStyle {
    const char* name;
    int number;
    const char* caption;
};

struct CommandBarStyle {
    const char* name;
    int number;
    const char* caption;
    bool setsCommandsValue;  // the main layer's commands value becomes 2
    bool setsStyleProperty;  // every layer's further style property is set
};

std::span<const DockWindowStyle> DockWindowStyles();
std::span<const CommandBarStyle> CommandBarStyles();

// By name, compared exactly; null for a name that is none of them.
const DockWindowStyle* FindDockWindowStyle(const QString& name);
const CommandBarStyle* FindCommandBarStyle(const QString& name);

// Applies a style while the main window's drawing is suspended. Without a
// main window's layer nothing happens. styleProperty is the value the
// styles that set the further property give it.
void ApplyDockWindowStyle(const DockWindowStyle& style);
void ApplyCommandBarStyle(const CommandBarStyle& style, int styleProperty);

// Gives the docking layers the looks the two settings name (at start-up);
// an unknown name leaves that look as it was.
void ApplyUIStyle();

// Setting Options/UseWinXPVisuals: 0 gives the application Qt's classic
// "Windows" widget style, anything else leaves the desktop's. Read once,
// before the main window exists: a change counts from the next start.
void ApplyVisualStyleSetting();
