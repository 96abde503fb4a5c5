#include "platform/ConsoleLines.h"

#include <gtest/gtest.h>

using platform::ConsoleLines;

TEST(ConsoleLines, ALineEndsAtLfWithTheCrBeforeItDroppedEvenAcrossChunks) {
    ConsoleLines lines;
    EXPECT_EQ(lines.take("abc"), QStringList());
    EXPECT_EQ(lines.take("def\r\nxy"), QStringList{"abcdef"});
    EXPECT_EQ(lines.take("z\r"), QStringList());
    EXPECT_EQ(lines.take("\nnext\n"), (QStringList{"xyz", "next"}));
    EXPECT_EQ(lines.takeUnfinished(), std::nullopt);
}

TEST(ConsoleLines, EmptyLinesCountAndALoneCrStays) {
    ConsoleLines lines;
    EXPECT_EQ(lines.take("a\r\n\r\nb\r\n"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(lines.take("a\nb\n"), (QStringList{"a", "b"}));
    EXPECT_EQ(lines.take("x\ry\n\r"), QStringList{"x\ry"});
    EXPECT_EQ(lines.takeUnfinished(), QStringLiteral("\r"));
    EXPECT_EQ(lines.takeUnfinished(), std::nullopt);
}

TEST(ConsoleLines, ALineIsUtf8WhenValidElseWindows1252) {
    ConsoleLines lines;
    EXPECT_EQ(lines.take("caf\xc3"), QStringList());
    EXPECT_EQ(lines.take("\xa9\n"), QStringList{QStringLiteral(u"café")});
    EXPECT_EQ(lines.take("caf\xe9 \x80\n"), QStringList{QStringLiteral(u"café €")});
    EXPECT_EQ(lines.take("half \xc3"), QStringList());
    EXPECT_EQ(lines.takeUnfinished(), QStringLiteral(u"half Ã"));
}
