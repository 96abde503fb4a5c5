#pragma once

#include <QWidget>

// What each of the five dock windows holds: its subsystem's form.
struct DockFormSlot {
    const char* key;
    QWidget* (*create)(QWidget* parent);
};

QWidget* CreateProjectsForm(QWidget* parent);
QWidget* CreateSnippetsForm(QWidget* parent);
QWidget* CreateFileExplorerForm(QWidget* parent);
QWidget* CreateOutputForm(QWidget* parent);
QWidget* CreateCodeExplorerForm(QWidget* parent);

inline constexpr DockFormSlot kDockFormSlots[] = {
    {"Projects", CreateProjectsForm},
    {"FileExplorer", CreateFileExplorerForm},
    {"Output", CreateOutputForm},
    {"Snippets", CreateSnippetsForm},
    {"CodeExplorer", CreateCodeExplorerForm},
};
