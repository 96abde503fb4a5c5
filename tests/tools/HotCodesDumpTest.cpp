#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QProcess>

namespace {

class HotCodesDumpTest : public KorvoTest {
protected:
    struct Run {
        QString out;
        QString err;
        int exitCode = -1;
    };
    Run dump(const QStringList& arguments) {
        QProcess process;
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/korvo-dump"), arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return {QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError()),
                process.exitCode()};
    }
};

}

TEST_F(HotCodesDumpTest, PrintsTheStoreAndSavesItAsKorvoDoes) {
    const QByteArray fori("1\r\n1\r\n\"fori\"\r\n\"For i = 1 To 10\r\nNext\"\r\n");
    writeAll(homeFile("in.dat"), fori);
    const Run run = dump({"--hotcodes", homeFile("in.dat"), "--save", homeFile("out.dat")});
    EXPECT_EQ(run.out, "count 1\nfori|For i = 1 To 10\\r\\nNext\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(readAll(homeFile("out.dat")), fori);
}

TEST_F(HotCodesDumpTest, ReportsEachFailureAndExitsWithOne) {
    writeAll(homeFile("in.dat"), "1\r\n3\r\n\"fori\"\r\n\"a\"\r\n\"FORI\"\r\n\"b\"\r\n\"nxt\"\r\n\"c\"\r\n");
    const Run twice = dump({"--hotcodes", homeFile("in.dat")});
    EXPECT_EQ(twice.out, "count 2\nfori|a\nnxt|c\n");
    EXPECT_EQ(twice.err.count("LoadHotCodes: error 457"), 1);
    EXPECT_EQ(twice.exitCode, 1);

    writeAll(homeFile("short.dat"), "1\r\n3\r\n\"a\"\r\n\"1\"\r\n\"b\"\r\n\"2\"\r\n");
    const Run shortFile = dump({"--hotcodes", homeFile("short.dat")});
    EXPECT_EQ(shortFile.out, "count 2\na|1\nb|2\n");
    EXPECT_EQ(shortFile.err.count("LoadHotCodes: error"), 1);
    EXPECT_EQ(shortFile.exitCode, 1);
}
