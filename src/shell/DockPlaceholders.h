#pragma once

#include <QString>
#include <QWidget>

// What each of the five dock windows holds until its subsystem registers
// its own form: an empty form captioned as the tool's form is.
struct DockFormSlot {
    const char* key;
    const char* caption;
};

inline constexpr DockFormSlot kDockFormSlots[] = {
    {"Projects", "Projects"},
    {"FileExplorer", "File Explorer"},
    {"Output", "Output window"},
    {"Snippets", "Snippets"},
    {"CodeExplorer", "Code Explorer"},
};

QWidget* CreateDockPlaceholder(const QString& caption, QWidget* parent);
