#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Cuts what a child process writes to one stream into lines. A line ends at
// LF; a CR just before the LF is dropped, a lone CR stays in the line. Each
// whole line is decoded as UTF-8 when it is valid UTF-8, else as
// Windows-1252, so a character split between two reads still decodes.
namespace platform {

class ConsoleLines {
public:
    // The lines that this chunk completes, in order, empty lines included.
    QStringList take(const QByteArray& chunk);
    // What follows the last line end, once the stream has ended; nothing when
    // the stream ended with a line end.
    std::optional<QString> takeUnfinished();

private:
    QByteArray carry_;
};

}
