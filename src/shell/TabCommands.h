#pragma once

#include "platform/CommandProcedures.h"
#include "platform/dock/DocumentArea.h"

#include <QString>

// The target that a fresh Ctrl+Tab returns to, kept by NextFileTab.
extern QString gToggleDocWindowKey;

// Closes the active document's window, asking to save it first.
void CloseFile();
// Closes every document window in order, stopping at the first whose save
// prompt is cancelled; once all are closed the projects go too. False when
// a document stayed open.
bool CloseAllFiles();
// With Options/gTabbingStartsWithPrevious 1 a fresh Ctrl+Tab goes to the
// document active before, further Tabs with Ctrl held walk on from there;
// otherwise, and for PreviousFileTab always, the next (previous) tab.
void NextFileTab();
void PreviousFileTab();
// Activates the document window that a window-list entry stands for.
void ActivateListedWindow(const platform::CommandClick& click);
// Moves the active document window into a new tab group below or beside its own.
void NewTabGroup(dock::TabGroupSide side);
