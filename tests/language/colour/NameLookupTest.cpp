#include "foundation/Hash.h"
#include "foundation/UpperKey.h"
#include "language/colour/NameLookup.h"

#include <gtest/gtest.h>

// A prepared name is looked up with its own hashes: they must be the ones
// the tables filed the name under, or a declared name is missed.
TEST(NameLookupTest, PreparedNameHashesAsTheTablesDo) {
    const QString names[] = {QStringLiteral("x"), QStringLiteral("UpdateShip913"), QStringLiteral("a_b#"),
                             QStringLiteral("AVeryLongNameOfMoreThanTwentyTwoLetters"), QStringLiteral("Grüße"),
                             QString()};
    for (const QString& text : names) {
        const PreparedName& name = PrepareName(text);
        EXPECT_EQ(name.upper, text.toUpper()) << text.toStdString();
        EXPECT_EQ(name.keyHash, KeyHash(text.toUpper())) << text.toStdString();
    }
}
