#pragma once

class QApplication;

// Korvo's start: hands the command line to a running instance, or runs the
// splash sequence, opens the command line's files (or does what
// Options/gStartUp asks) and runs until the main window has closed.
int Main(QApplication& app);
