#pragma once

#include "vocabulary/ColorStyle.h"

#include <QByteArray>
#include <QString>

// A colour style file (.style): little-endian, no padding. The version 1
// (16-bit); ForeColor and BackColor (41 × 32-bit each); the 41 face names,
// each a 16-bit byte count and its Windows-1252 bytes; FontSize (41 bytes);
// Bold, Italic, Underline (41 × 16-bit each); AltColor (41 × 32-bit); then
// the description's bytes, one 0x00 and 50 blanks.
struct StyleFileContent {
    ColorStyle style;
    QString description;
};

enum class StyleFileFault {
    None,
    // The file ends inside its tables.
    Damaged,
    // The version is not 1.
    WrongVersion,
};

struct ParsedStyle {
    StyleFileFault fault = StyleFileFault::None;
    // Set when fault is WrongVersion.
    int version = 1;
    // Valid only when fault is None.
    StyleFileContent content;

    bool ok() const { return fault == StyleFileFault::None; }
    // What is wrong, for a person: "" when nothing is.
    QString problem() const;
};

QByteArray FormatStyle(const ColorStyle& style, const QString& description);

// The description is at most the 255 bytes after the tables, cut at their
// first 0x00: a file rewritten over a longer one may carry stale bytes
// after it.
ParsedStyle ParseStyle(const QByteArray& bytes);
