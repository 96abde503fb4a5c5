#pragma once

#include <QStringList>

#include <string>

// The markers a parse gives each line of the current view and its fold
// level, one line a row: what the margins show and what folding and the
// scope queries read.
QStringList LineStates();

// The rows of an edited view that a fresh parse makes otherwise, each beside the fresh one.
std::string DifferingLineStates(const QStringList& edited, const QStringList& fresh);
