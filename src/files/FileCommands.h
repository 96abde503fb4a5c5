#pragma once

#include "platform/CommandProcedures.h"

// Registers the procedures of the command keys of files, workspaces,
// projects and the recent lists.
void RegisterFileCommands();

// The clicked entry of the recent-files list opens its path; of the
// recent-projects list, loads its project.
void OpenRecentFile(const platform::CommandClick& click);
void OpenRecentProject(const platform::CommandClick& click);
