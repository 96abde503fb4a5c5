#include "files/Attributes.h"

#include <gtest/gtest.h>

TEST(AttributesTest, ValuesWithQuotesGoAndComeBackWhole) {
    EXPECT_EQ(FormatAttribute(QStringLiteral("Expanded"), true), " Expanded=\"True\"");
    EXPECT_EQ(FormatAttribute(QStringLiteral("Line"), -12L), " Line=\"-12\"");
    const QString quoted = FormatAttribute(QStringLiteral("CommandLine"), QStringLiteral("-f \"a b.txt\""));
    EXPECT_EQ(quoted, " CommandLine=\"-f \"\"a b.txt\"\"\"");
    EXPECT_EQ(GetAttribute(quoted, QStringLiteral("CommandLine")), "-f \"a b.txt\"");
    // As written on Windows before quotes were doubled: up to the quote.
    EXPECT_EQ(GetAttribute(QStringLiteral(" CommandLine=\"-f \"a b.txt\"\""), QStringLiteral("CommandLine")), "-f ");
}

TEST(AttributesTest, AKeyIsFoundOnlyWhereAnAttributeBegins) {
    const QString line = QStringLiteral(" CommandLine=\"x Line=\"\"7\"\"\" Tip=\"\" Line=\"12\"");
    EXPECT_EQ(GetAttribute(line, QStringLiteral("Line")), "12");
    EXPECT_EQ(GetAttribute(line, QStringLiteral("Tip")), "");
    EXPECT_EQ(GetAttribute(line, QStringLiteral("line")), "");
    EXPECT_EQ(GetAttribute(line, QStringLiteral("Column")), "");
    EXPECT_EQ(GetAttribute(QStringLiteral(" Path=\"open"), QStringLiteral("Path")), "");
    // A Settings section joined into one text.
    EXPECT_EQ(GetAttribute(QStringLiteral(" Version=\"1\" Expanded=\"False\" Icon=\"\""), QStringLiteral("Expanded")), "False");
}

TEST(AttributesTest, BooleansAndNumbersReadStrictly) {
    EXPECT_EQ(ReadBoolean(QStringLiteral("tRUE")), true);
    EXPECT_EQ(ReadBoolean(QStringLiteral(" False ")), false);
    EXPECT_EQ(ReadBoolean(QStringLiteral("-1")), true);
    EXPECT_EQ(ReadBoolean(QStringLiteral("0")), false);
    EXPECT_EQ(ReadBoolean(QStringLiteral("")), std::nullopt);
    EXPECT_EQ(ReadBoolean(QStringLiteral("yes")), std::nullopt);
    EXPECT_EQ(ReadNumber(QStringLiteral(" 42 ")), 42);
    EXPECT_EQ(ReadNumber(QStringLiteral("4.5")), std::nullopt);
    EXPECT_EQ(ReadNumber(QStringLiteral("0x10")), std::nullopt);
    EXPECT_EQ(ReadNumber(QStringLiteral("99999999999")), std::nullopt);
}

TEST(AttributesTest, TextIsAnsiUnlessACharacterNeedsUtf8) {
    EXPECT_EQ(EncodeAttributeLines({QStringLiteral("caf\u00e9"), QStringLiteral("x")}), "caf\xe9\r\nx\r\n");
    EXPECT_EQ(EncodeAttributeLines({QStringLiteral("\u0436.bb")}), "\xd0\xb6.bb\r\n");
    EXPECT_EQ(DecodeAttributeLines("caf\xe9\r\nx\r\n"), (QStringList{QStringLiteral("caf\u00e9"), "x"}));
    EXPECT_EQ(DecodeAttributeLines("\xd0\xb6\nlast"), (QStringList{QStringLiteral("\u0436"), "last"}));
    EXPECT_EQ(DecodeAttributeLines("a\r\n\r\nb\r\n"), (QStringList{"a", "", "b"}));
}
