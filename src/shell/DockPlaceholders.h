#pragma once

#include <QString>
#include <QWidget>

// What each of the five dock windows holds: its subsystem's form, or until
// there is one an empty form captioned as the tool's form is.
struct DockFormSlot {
    const char* key;
    const char* caption;
    QWidget* (*create)(QWidget* parent) = nullptr;
};

QWidget* CreateProjectsForm(QWidget* parent);
QWidget* CreateSnippetsForm(QWidget* parent);
QWidget* CreateFileExplorerForm(QWidget* parent);
QWidget* CreateOutputForm(QWidget* parent);
QWidget* CreateCodeExplorerForm(QWidget* parent);

inline constexpr DockFormSlot kDockFormSlots[] = {
    {"Projects", "Projects", CreateProjectsForm},
    {"FileExplorer", "File Explorer", CreateFileExplorerForm},
    {"Output", "Output window", CreateOutputForm},
    {"Snippets", "Snippets", CreateSnippetsForm},
    {"CodeExplorer", "Code Explorer", CreateCodeExplorerForm},
};

QWidget* CreateDockForm(const DockFormSlot& slot, QWidget* parent);
