#pragma once

#include <QString>

// Where the untitled document is written to be compiled.
QString TemporarySourcePath();

// Takes one compile error line of the compiler: shows the file it names
// (opened when it is not), selects the error position while a box reports
// the error, leaves the caret there and writes a summary to the output
// window. A relative file name is taken from compiledSource's folder. A
// line of another shape is logged.
void ParseError(const QString& Line, const QString& compiledSource = QString());
