#include "foundation/NumberHelpers.h"

#include <gtest/gtest.h>

TEST(NumberHelpers, HexToLongReadsSignedHexOrGivesZero) {
    EXPECT_EQ(HexToLong("-1A"), -26);
    EXPECT_EQ(HexToLong("+1A"), 26);
    EXPECT_EQ(HexToLong("1a"), 26);
    EXPECT_EQ(HexToLong("xyz"), 0);
    EXPECT_EQ(HexToLong("--1A"), 0);
    EXPECT_EQ(HexToLong("-+1A"), 0);
    EXPECT_EQ(HexToLong(""), 0);
    EXPECT_EQ(HexToLong("-"), 0);
    EXPECT_EQ(HexToLong("0x1A"), 0);
    EXPECT_EQ(HexToLong("8000"), 32768);
    EXPECT_EQ(HexToLong("FFFF"), 65535);
    EXPECT_EQ(HexToLong("12\r"), 18);
    EXPECT_EQ(HexToLong("FFFFFFFF"), -1);
    EXPECT_EQ(HexToLong("-80000000"), INT32_MIN);
    EXPECT_EQ(HexToLong("100000000"), 0);
}
