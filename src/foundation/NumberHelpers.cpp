#include "foundation/NumberHelpers.h"

#include <QRegularExpression>

#include <cmath>

namespace {
bool isHexDigit(QChar c) {
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
}
}

int32_t HexToLong(const QString& text) {
    QString digits = text;
    const bool negative = digits.startsWith(QLatin1Char('-'));
    if (negative || digits.startsWith(QLatin1Char('+')))
        digits.remove(0, 1);
    digits = digits.trimmed();
    if (digits.isEmpty() || digits.size() > 8)
        return 0;
    for (const QChar c : digits)
        if (!isHexDigit(c))
            return 0;
    const auto value = static_cast<int32_t>(digits.toUInt(nullptr, 16));
    return negative ? static_cast<int32_t>(-static_cast<int64_t>(value)) : value;
}

long LeadingNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral(R"(^\s*[-+]?(\d+\.?\d*|\.\d+))"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return 0;
    const double read = match.captured(0).trimmed().toDouble();
    return std::abs(read) < 2147483647.0 ? long(std::lround(read)) : 0;
}
