#pragma once

#include <QString>

#include <optional>

// A compile error as the compiler prints it:
//   "FILE":LINE:COLUMN:LINE2:COLUMN2:MESSAGE
// The file ends at the first quote followed by four numbers each ending in
// ":"; the message is all the rest, colons included.
struct CompilerErrorLine {
    QString file;
    long line = 0;
    long column = 0;
    QString message;
};

// Empty for any line of another shape.
std::optional<CompilerErrorLine> ReadCompilerErrorLine(const QString& text);
