#include "platform/AnsiText.h"
#include "platform/AtomicFileWrite.h"
#include "support/TestEnvironment.h"

#include <QFile>

#include <sys/stat.h>

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

TEST_F(AnsiTextTest, WholeFileReadsTakeOnlyRegularFilesWithinTheirBound) {
    QByteArray bytes = "kept";
    const QString zero = homeFile("zero.kpf");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    EXPECT_FALSE(readFileBytes(zero, bytes));
    EXPECT_EQ(fileReadFailure(zero), QStringLiteral("Not a regular file: ") + zero);
    const QString fifo = homeFile("fifo.style");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(readFileBytes(fifo, bytes));  // returns at once: no writer is waited for
    EXPECT_EQ(bytes, QByteArray("kept"));

    const QString ten = homeFile("ten.bb");
    writeAll(ten, "0123456789");
    EXPECT_FALSE(readFileBytes(ten, bytes, 9));
    EXPECT_EQ(fileReadFailure(ten, 9), QStringLiteral("File larger than 9 bytes: ") + ten);
    ASSERT_TRUE(readFileBytes(ten, bytes, 10));
    EXPECT_EQ(bytes, QByteArray("0123456789"));
    EXPECT_EQ(fileReadFailure(home() + "/none.kpf"), QStringLiteral("File not found: ") + home() + "/none.kpf");
    // The layout compiled into the program is read as any file is.
    EXPECT_TRUE(readFileBytes(QStringLiteral(":/Layout.mp"), bytes));
    EXPECT_FALSE(bytes.isEmpty());
}
