#include "foundation/FileHelpers.h"

#include <gtest/gtest.h>

TEST(FileHelpers, FixDoubleBackslashCollapsesPairsInOnePass) {
    EXPECT_EQ(FixDoubleBackslash("a//b///c"), "a/b//c");
    EXPECT_EQ(FixDoubleBackslash("C:\\\\x\\\\\\y"), "C:\\x\\\\y");
    EXPECT_EQ(FixDoubleBackslash("a////b"), "a//b");
    EXPECT_EQ(FixDoubleBackslash("/\\/"), "/\\/");
}
