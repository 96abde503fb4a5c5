#pragma once

#include <QByteArray>
#include <QList>

class QApplication;

// Korvo's start: hands the command line to a running instance, or runs the
// splash sequence, opens the command line's files (or does what
// Options/gStartUp asks) and runs until the main window has closed.
// arguments are the program's own, as bytes, without the program's name.
int Main(QApplication& app, const QList<QByteArray>& arguments);
