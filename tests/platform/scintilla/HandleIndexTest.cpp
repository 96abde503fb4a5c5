#include "platform/scintilla/HandleIndex.h"

#include <gtest/gtest.h>

// Handles far apart land on pages of their own; a page emptied of known
// handles goes, and its handles can be known again afterwards.
TEST(HandleIndex, KnowsHandlesAcrossPagesAndForgetsEmptiedOnes) {
    LineGroups::Group first;
    LineGroups::Group second;
    HandleIndex index;
    index.set(1, &first);
    index.set(5000, &second);
    index.set(5001, &first);
    EXPECT_EQ(index.find(1), &first);
    EXPECT_EQ(index.find(5000), &second);
    EXPECT_EQ(index.find(2), nullptr);
    EXPECT_EQ(index.find(1 << 20), nullptr);
    EXPECT_EQ(index.find(-1), nullptr);

    index.set(5000, &first);  // moved to another group: still one known handle
    index.erase(5001);
    EXPECT_EQ(index.find(5000), &first);
    index.erase(5000);
    index.erase(5000);
    EXPECT_EQ(index.find(5000), nullptr);
    index.set(5002, &second);
    EXPECT_EQ(index.find(5002), &second);
    EXPECT_EQ(index.find(1), &first);
    index.clear();
    EXPECT_EQ(index.find(1), nullptr);
}
