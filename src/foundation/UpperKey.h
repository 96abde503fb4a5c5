#pragma once

#include <QString>

#include <cstddef>

// The key's upper case, as QString::toUpper gives it, the way the code
// model's and keyword tables' keys are kept. Names are nearly always ASCII:
// those are mapped directly, without Unicode case tables.
QString UpperKey(const QString& key);

// A plain hash of a key's characters, for tables of names: Qt's seeded hash
// costs more than it spares on keys as short as names.
std::size_t KeyHash(const QString& key);
