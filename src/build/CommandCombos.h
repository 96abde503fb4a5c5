#pragma once

#include <QStringList>

// The command-bar combos of the build: each item's caption is its key. A
// host without the combo leaves it alone.

// Refills "cboCompilers" with the compiler names in list order.
void PopulateCboCompilers();
// Refills "cboCommandLine" with the recent program command lines, newest first.
void PopulateCboCommandLine(const QStringList& commandLines);
