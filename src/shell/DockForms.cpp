#include "shell/DockForms.h"

#include "aids/frmSnippets.h"
#include "build/frmOutput.h"
#include "explorer/frmMainList.h"
#include "files/fileexplorer/frmExplorer.h"
#include "files/projects/frmProjectEx.h"

QWidget* CreateProjectsForm(QWidget* parent) {
    return new frmProjectEx(parent);
}

QWidget* CreateSnippetsForm(QWidget* parent) {
    return new frmSnippets(parent);
}

QWidget* CreateOutputForm(QWidget* parent) {
    frmOutput& output = OutputWindow();
    output.setParent(parent);
    return &output;
}

QWidget* CreateFileExplorerForm(QWidget* parent) {
    return new frmExplorer(parent);
}

QWidget* CreateCodeExplorerForm(QWidget* parent) {
    return new frmMainList(parent);
}

void UnloadFileExplorerForm(QWidget* form) {
    static_cast<frmExplorer*>(form)->Form_Unload();
}

void UnloadCodeExplorerForm(QWidget* form) {
    static_cast<frmMainList*>(form)->Form_Unload();
}
