#include "platform/AnsiText.h"
#include "support/TestEnvironment.h"

using namespace platform;

using AnsiTextTest = KorvoTest;

TEST_F(AnsiTextTest, EveryByteSurvivesARoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(toAnsi(fromAnsi(all)), all);
    EXPECT_EQ(fromAnsi("\x80\xE9"), QString::fromUtf8("€é"));
    EXPECT_EQ(toAnsi(QString::fromUtf8("ž✓")), QByteArray("\x9E?"));
}

TEST_F(AnsiTextTest, AtomicWriteReplacesTheWholeFile) {
    const QString path = homeFile("f.bb");
    ASSERT_TRUE(writeFileBytesAtomically(path, QByteArray("a\0b\r\n", 5)));
    QByteArray bytes;
    ASSERT_TRUE(readFileBytes(path, bytes));
    EXPECT_EQ(bytes, QByteArray("a\0b\r\n", 5));
    EXPECT_FALSE(writeFileBytesAtomically(home() + "/missing/dir/f.bb", "x"));
    EXPECT_FALSE(readFileBytes(home() + "/missing.bb", bytes));
}
