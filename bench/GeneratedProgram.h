#pragma once

#include <QByteArray>

// A program of functions, types, globals, locals and loops, LINES long,
// about as rich in declarations as the sample programs (one declared name
// in seven or eight lines).
QByteArray generateProgram(int lines);
