#pragma once

#include <QString>

class frmMainHelp;

// The help browser as the rest of Korvo reaches it: the shell's keyword
// help (HelpHost) and the file explorer's HTML pages (HelpPageViewer).
// The help form is loaded on first use and lives until its document
// window "HELP WINDOW" closes or Korvo goes.

// Registers the help browser with the shell and the file explorer.
void InstallHelpBrowser();
void UninstallHelpBrowser();

// The loaded help form; null while there is none.
frmMainHelp* HelpForm();
frmMainHelp& LoadHelpForm();
// Unloads the help form, which saves its layout.
void UnloadHelpForm();

// Docks the help form in the main window's document window "HELP WINDOW"
// (caption "HELP"), unless it is there already.
void OpenHelpWindow();
// The ID of that document window.
QString HelpWindowID();
