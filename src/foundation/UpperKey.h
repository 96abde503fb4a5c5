#pragma once

#include <QString>

#include <cstddef>

// The key's upper case, as QString::toUpper gives it, the way the code
// model's and keyword tables' keys are kept. Names are nearly always ASCII:
// those are mapped directly, without Unicode case tables.
QString UpperKey(const QString& key);

// The character's upper case when it is a to z; any other stays as it is.
constexpr char16_t AsciiUpper(char16_t c) {
    return c >= 'a' && c <= 'z' ? char16_t(c - 32) : c;
}

// A plain hash of a key's characters, for tables of names: Qt's seeded hash
// costs more than it spares on keys as short as names.
std::size_t KeyHash(const QString& key);
