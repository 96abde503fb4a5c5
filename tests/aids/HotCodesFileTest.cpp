#include "aids/HotCodeStore.h"
#include "support/TestEnvironment.h"

#include <QDir>

namespace {

const QByteArray kFori("1\r\n1\r\n\"fori\"\r\n\"For i = 1 To 10\r\nNext\"\r\n");

class HotCodesFileTest : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        QDir(home()).mkpath(QStringLiteral("conf"));
        RemoveAllHotCodes();
    }
    void TearDown() override {
        RemoveAllHotCodes();
        KorvoTest::TearDown();
    }
    QString file() const { return homeFile(QStringLiteral("conf/hotcodes.dat")); }
    int loggedErrors(const char* procedure) const {
        return int(readAll(homeFile(QStringLiteral("error.log"))).count(QByteArray(":") + procedure + "\r\n"));
    }
};

}

TEST_F(HotCodesFileTest, WritesEachValueOnALineOfItsOwn) {
    EXPECT_EQ(FormatHotCodes({{"fori", "For i = 1 To 10\r\nNext"}}), kFori);
    EXPECT_EQ(FormatHotCodes({}), QByteArray("1\r\n0\r\n"));
    EXPECT_EQ(FormatHotCodes({{"hi", "Print \"Hi\""}}), QByteArray("1\r\n1\r\n\"hi\"\r\n\"Print \"\"Hi\"\"\"\r\n"));
}

TEST_F(HotCodesFileTest, ReadsBackWhatItWrites) {
    const QList<HotCode> codes{{"fori", "For i = 1 To 10\r\nNext"}, {"q\"t", "Print \"Hi\""}, {"p", "x\r\n\r\n\ty"}};
    const HotCodesRead read = ReadHotCodes(FormatHotCodes(codes));
    EXPECT_TRUE(read.errors.isEmpty());
    ASSERT_EQ(read.codes.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(read.codes[i].Name, codes[i].Name);
        EXPECT_EQ(read.codes[i].Text, codes[i].Text);
    }
}

TEST_F(HotCodesFileTest, ReportsEachFailureAndKeepsWhatCameBefore) {
    const HotCodesRead twice = ReadHotCodes("1\r\n3\r\n\"fori\"\r\n\"a\"\r\n\"FORI\"\r\n\"b\"\r\n\"nxt\"\r\n\"c\"\r\n");
    ASSERT_EQ(twice.codes.size(), 2);
    EXPECT_EQ(twice.codes[0].Name, "fori");
    EXPECT_EQ(twice.codes[1].Name, "nxt");
    ASSERT_EQ(twice.errors.size(), 1);
    EXPECT_EQ(twice.errors[0].number, ErrKeyAlreadyAssociated);

    const HotCodesRead shortFile = ReadHotCodes("2\r\n3\r\n\"a\"\r\n\"1\"\r\n\"b\"\r\n\"2\"\r\n");
    EXPECT_EQ(shortFile.codes.size(), 2);
    ASSERT_EQ(shortFile.errors.size(), 1);
    EXPECT_EQ(shortFile.errors[0].number, ErrInputPastEnd);

    const HotCodesRead nameless = ReadHotCodes("1\r\n2\r\n\"\"\r\n\"x\"\r\n\"b\"\r\n\"y\"\r\n");
    ASSERT_EQ(nameless.codes.size(), 1);
    EXPECT_EQ(nameless.codes[0].Name, "b");
    EXPECT_EQ(nameless.errors.size(), 1);

    EXPECT_EQ(ReadHotCodes("1\r\n0\r\n").codes.size(), 0);
    EXPECT_EQ(ReadHotCodes("").errors.size(), 1);
    EXPECT_EQ(ReadHotCodes("1\r\nmany\r\n").errors.size(), 1);
}

TEST_F(HotCodesFileTest, LoadsTheProgramFoldersFileAndLogsItsFailures) {
    LoadHotCodes();
    EXPECT_EQ(gHotCodeNames.Count(), 0);
    EXPECT_FALSE(QFile::exists(homeFile(QStringLiteral("error.log"))));

    writeAll(file(), "1\r\n3\r\n\"fori\"\r\n\"a\"\r\n\"FORI\"\r\n\"b\"\r\n\"nxt\"\r\n\"c\"\r\n");
    LoadHotCodes();
    EXPECT_EQ(gHotCodeNames.NewEnum(), QList<QString>({"fori", "nxt"}));
    EXPECT_EQ(gHotCodeTexts.NewEnum(), QList<QString>({"a", "c"}));
    EXPECT_EQ(gHotCodeTexts.Item(QStringLiteral("NXT")), "c");
    EXPECT_EQ(loggedErrors("LoadHotCodes"), 1);
}

TEST_F(HotCodesFileTest, SavesTheWholeStoreOrLogsAndLeavesTheFile) {
    AddHotCode("fori", "For i = 1 To 10\r\nNext");
    EXPECT_FALSE(AddHotCode("FORI", "other"));
    SaveHotcodes();
    EXPECT_EQ(readAll(file()), kFori);

    RemoveAllHotCodes();
    SaveHotcodes();
    EXPECT_EQ(readAll(file()), QByteArray("1\r\n0\r\n"));
    EXPECT_EQ(loggedErrors("SaveHotcodes"), 0);

    QDir(home()).mkpath(QStringLiteral("blocked/hotcodes.dat"));
    EXPECT_FALSE(SaveHotcodesTo(homeFile(QStringLiteral("blocked/hotcodes.dat"))));
    EXPECT_TRUE(QFileInfo(homeFile(QStringLiteral("blocked/hotcodes.dat"))).isDir());
    EXPECT_EQ(loggedErrors("SaveHotcodes"), 1);
}
