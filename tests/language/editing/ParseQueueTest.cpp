#include "language/editing/ParseQueue.h"

#include <gtest/gtest.h>

TEST(ParseQueue, TheParseQueueHoldsEachLineOnceInOrder) {
    ParseQueue queue;
    EXPECT_TRUE(queue.isEmpty());
    queue.add(7);
    queue.add(3);
    queue.add(7);
    queue.add(9);
    EXPECT_EQ(queue.keys(), (QList<int>{7, 3, 9}));
    EXPECT_TRUE(queue.contains(3));
    queue.remove(3);
    queue.remove(42);
    EXPECT_EQ(queue.keys(), (QList<int>{7, 9}));
    EXPECT_FALSE(queue.contains(3));
    queue.clear();
    EXPECT_EQ(queue.count(), 0);
}
