#include "settings/StyleFile.h"

#include "settings/BuiltInColorStyle.h"
#include "settings/DarkStyle.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

void expectSameStyle(const ColorStyle& actual, const ColorStyle& expected) {
    EXPECT_EQ(actual.ForeColor, expected.ForeColor);
    EXPECT_EQ(actual.BackColor, expected.BackColor);
    EXPECT_EQ(actual.FontName, expected.FontName);
    EXPECT_EQ(actual.FontSize, expected.FontSize);
    EXPECT_EQ(actual.Bold, expected.Bold);
    EXPECT_EQ(actual.Italic, expected.Italic);
    EXPECT_EQ(actual.Underline, expected.Underline);
    EXPECT_EQ(actual.AltColor, expected.AltColor);
}

// Where the description starts in DarkStyleBytes().
constexpr qsizetype kDarkTablesEnd = 874;

}

TEST(StyleFile, WritesTheRecordByteForByteAndReadsItBackAlsoWithStaleBytesAfterIt) {
    const QByteArray bytes = FormatStyle(DarkStyle(), QStringLiteral("Dark"));
    ASSERT_EQ(bytes.size(), 929);
    EXPECT_EQ(bytes, DarkStyleBytes());

    for (const QByteArray& file : {bytes, bytes + QByteArray(20, 'x'), bytes + QByteArray("Older description\0", 18)}) {
        const ParsedStyle parsed = ParseStyle(file);
        ASSERT_TRUE(parsed.ok()) << parsed.problem().toStdString();
        expectSameStyle(parsed.content.style, DarkStyle());
        EXPECT_EQ(parsed.content.description, "Dark");
    }
}

TEST(StyleFile, AFileEndingInsideItsTablesOrOfAnotherVersionIsRefused) {
    const QByteArray bytes = DarkStyleBytes();
    for (const qsizetype size : {qsizetype(0), qsizetype(1), qsizetype(2), qsizetype(331), qsizetype(500), kDarkTablesEnd - 1}) {
        const ParsedStyle parsed = ParseStyle(bytes.left(size));
        EXPECT_EQ(parsed.fault, StyleFileFault::Damaged) << size;
        EXPECT_FALSE(parsed.problem().isEmpty());
    }
    const ParsedStyle bare = ParseStyle(bytes.left(kDarkTablesEnd));
    ASSERT_TRUE(bare.ok());
    EXPECT_EQ(bare.content.description, "");

    const ParsedStyle other = ParseStyle(QByteArray("\x02\x00", 2) + bytes.mid(2));
    EXPECT_EQ(other.fault, StyleFileFault::WrongVersion);
    EXPECT_EQ(other.version, 2);
    EXPECT_EQ(ParseStyle(QByteArray("\xFF\xFF", 2)).version, -1);
}

TEST(StyleFile, TheDescriptionIsReadUpTo255BytesAndItsFirstNul) {
    const ColorStyle style = DarkStyle();
    const QString long254(254, QLatin1Char('d'));
    EXPECT_EQ(ParseStyle(FormatStyle(style, long254)).content.description, long254);
    const QString long300 = QString(255, QLatin1Char('a')) + QString(45, QLatin1Char('b'));
    EXPECT_EQ(ParseStyle(FormatStyle(style, long300)).content.description, long300.left(255));
    EXPECT_EQ(ParseStyle(FormatStyle(style, QStringLiteral("one") + QChar(0) + QStringLiteral("two"))).content.description, "one");
}

TEST(StyleFile, EveryByteOfNamesAndEveryBitOfColoursSurvives) {
    ColorStyle style = DarkStyle();
    style.FontName[5] = QString::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC Mono");
    style.ForeColor[3] = 0xFF123456L;
    style.BackColor[4] = 0x80000000L;
    style.Bold[7] = 1;
    style.Underline[8] = 0x7FFF;
    style.FontSize[9] = 0;
    const QString description = QString::fromUtf8("Dunkel \xC3\xBC\r\nzwei");
    const QByteArray bytes = FormatStyle(style, description);
    EXPECT_TRUE(bytes.contains(QByteArray("Caf\xE9 \x80 Mono")));
    const ParsedStyle parsed = ParseStyle(bytes);
    ASSERT_TRUE(parsed.ok());
    expectSameStyle(parsed.content.style, style);
    EXPECT_EQ(parsed.content.description, description);
}

TEST(StyleFile, TheShippedDefaultStyleIsTheBuiltInOne) {
    QFile shipped(QStringLiteral(KORVO_SOURCE_DIR "/data/Styles/Default.style"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    EXPECT_EQ(shipped.readAll(), FormatStyle(BuiltInColorStyle(), BuiltInStyleDescription()));
    EXPECT_EQ(BuiltInColorStyle().ForeColor[29], 0xFFFFFF);
}
