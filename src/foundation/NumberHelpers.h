#pragma once

#include <QString>

#include <cstdint>

// Reads a hexadecimal number with an optional leading "-" or "+" ("-1A" is
// -26). Digits up to FFFF read as positive numbers, longer ones as 32 bits;
// anything that is not such a number gives 0.
int32_t HexToLong(const QString& text);

// The number a text starts with (blanks before it allowed), rounded to a
// whole number; 0 when it starts with none or the number does not fit in
// 32 bits.
long LeadingNumber(const QString& text);
