#pragma once

#include <QWidget>

// What each of the five dock windows holds: its subsystem's form.
struct DockFormSlot {
    const char* key;
    QWidget* (*create)(QWidget* parent);
    // Saves what the form keeps in the settings as the main window shuts
    // down; null for a form that keeps nothing there.
    void (*unload)(QWidget* form);
};

QWidget* CreateProjectsForm(QWidget* parent);
QWidget* CreateSnippetsForm(QWidget* parent);
QWidget* CreateFileExplorerForm(QWidget* parent);
QWidget* CreateOutputForm(QWidget* parent);
QWidget* CreateCodeExplorerForm(QWidget* parent);
void UnloadFileExplorerForm(QWidget* form);
void UnloadCodeExplorerForm(QWidget* form);

inline constexpr DockFormSlot kDockFormSlots[] = {
    {"Projects", CreateProjectsForm, nullptr},
    {"FileExplorer", CreateFileExplorerForm, UnloadFileExplorerForm},
    {"Output", CreateOutputForm, nullptr},
    {"Snippets", CreateSnippetsForm, nullptr},
    {"CodeExplorer", CreateCodeExplorerForm, UnloadCodeExplorerForm},
};
