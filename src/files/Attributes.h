#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The attribute lines of project and workspace files: each attribute is a
// blank, a key, "=" and the value in double quotes. A double quote inside a
// value is written doubled, so a command line or file name holding one
// reads back whole; files without one read as they always did.

QString FormatAttribute(const QString& key, const QString& value);
QString FormatAttribute(const QString& key, bool value);
QString FormatAttribute(const QString& key, long value);

// The value of the first attribute named exactly key (letter case counts);
// a key is only found where an attribute begins, never inside a longer key
// or a value. "" when the line lacks it or its value has no closing quote.
QString GetAttribute(const QString& line, const QString& key);

// True or False in any letter case, or a whole number (not 0 is true).
std::optional<bool> ReadBoolean(const QString& text);
// A decimal whole number within 32 bits; blanks around are allowed.
std::optional<long> ReadNumber(const QString& text);

// The lines of the section whose opener ("<Name>") is lines[at], up to its
// closer ("</Name>"); at ends on the closer. Nothing when the closer never comes.
std::optional<QStringList> SectionLines(const QStringList& lines, qsizetype& at);

// The lines, each ending in CR LF, as Windows-1252, or as UTF-8 when a
// character has no Windows-1252 byte.
QByteArray EncodeAttributeLines(const QStringList& lines);
// Valid UTF-8 with some byte above 127 reads as UTF-8, anything else as
// Windows-1252; lines end in CR LF or LF alone. A last line without an end
// is kept, an empty one after the last end is not.
QStringList DecodeAttributeLines(const QByteArray& bytes);
