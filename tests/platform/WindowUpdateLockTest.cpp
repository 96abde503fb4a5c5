#include "platform/WindowUpdateLock.h"

#include <QWidget>

#include <gtest/gtest.h>

TEST(WindowUpdateLock, LocksOneWindowAtATime) {
    QWidget first;
    QWidget second;
    EXPECT_TRUE(platform::LockWindowUpdate(&first));
    EXPECT_FALSE(first.updatesEnabled());
    EXPECT_FALSE(platform::LockWindowUpdate(&second));
    EXPECT_TRUE(second.updatesEnabled());
    EXPECT_TRUE(platform::LockWindowUpdate(nullptr));
    EXPECT_TRUE(first.updatesEnabled());
    EXPECT_TRUE(platform::LockWindowUpdate(&second));
    EXPECT_TRUE(platform::LockWindowUpdate(nullptr));
}
