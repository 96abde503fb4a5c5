#pragma once

// SIGTERM, SIGINT and SIGHUP close the main window through its shutdown,
// as closing it by hand does.
void CloseMainWindowOnSignals();
