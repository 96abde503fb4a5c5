#include "foundation/UpperKey.h"

#include <gtest/gtest.h>

// Keys must match what toUpper gave before, or records and keywords stored
// under one spelling are not found under another.
TEST(UpperKey, AgreesWithUnicodeUpperCaseForAsciiAndLatin1Names) {
    EXPECT_EQ(UpperKey(QStringLiteral("player_x#")), QStringLiteral("PLAYER_X#"));
    EXPECT_EQ(UpperKey(QStringLiteral("Az`{@[09")), QStringLiteral("AZ`{@[09"));
    EXPECT_EQ(UpperKey(QString()), QString());
    // Beyond ASCII the Unicode rules apply, lengths may change.
    EXPECT_EQ(UpperKey(QString::fromLatin1("stra\xdf" "e")), QStringLiteral("STRASSE"));
    EXPECT_EQ(UpperKey(QString::fromLatin1("\xe9t\xe9")), QString::fromLatin1("\xc9T\xc9"));
    EXPECT_EQ(UpperKey(QString::fromLatin1("m\xff")), QString::fromUtf16(u"M\u0178"));
}
