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

// Re-parses take every handle back and add higher ones: handles below and
// between the pages still known are found or not found as before.
TEST(HandleIndex, HandlesTakenBackAndNumberedOnAreFoundAsBefore) {
    LineGroups::Group groups[3];
    HandleIndex index;
    int first = 1;
    for (int round = 0; round < 6; ++round) {
        const int last = first + 3000;
        for (int handle = first; handle < last; ++handle)
            index.set(handle, &groups[handle % 3]);
        index.set(first - 200 > 0 ? first - 200 : 0, &groups[0]);  // one lower, as an undo brings back
        for (int handle = first; handle < last; handle += 7)
            ASSERT_EQ(index.find(handle), &groups[handle % 3]) << handle;
        EXPECT_EQ(index.find(last), nullptr);
        EXPECT_EQ(index.find(first - 201), nullptr);
        for (int handle = first; handle < last; ++handle)
            index.erase(handle);
        index.erase(first - 200 > 0 ? first - 200 : 0);
        EXPECT_EQ(index.find(first + 5), nullptr);
        first = last;
    }
    index.set(7, &groups[1]);
    EXPECT_EQ(index.find(7), &groups[1]);
    EXPECT_EQ(index.find(first - 1), nullptr);
}
