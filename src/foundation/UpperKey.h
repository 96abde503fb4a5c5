#pragma once

#include <QString>

// The key's upper case, as QString::toUpper gives it, the way the code
// model's and keyword tables' keys are kept. Names are nearly always ASCII:
// those are mapped directly, without Unicode case tables.
QString UpperKey(const QString& key);
