#include "language/keywords/KeywordLine.h"

#include "language/lexer/InitScintillaAndCharTables.h"
#include "platform/KorvoError.h"

#include <gtest/gtest.h>

namespace {
class KeywordLine : public ::testing::Test {
protected:
    void SetUp() override { InitScintillaAndCharTables(); }
};

QStringList parameters(const ClsBBFunkcija& keyword) {
    QStringList texts;
    for (int n = 1; n <= keyword.VlezNum; ++n)
        texts << keyword.ParametarTekst(n);
    return texts;
}
}

TEST_F(KeywordLine, ReadsNameTypeAndParameters) {
    const KeywordPtr foo = ReadKeywordLine(QStringLiteral("  Foo# (a#,b$,c%])  "));
    EXPECT_EQ(foo->Ime, "Foo");
    EXPECT_EQ(foo->Tip, 2);
    EXPECT_TRUE(foo->ImaZagradi);
    EXPECT_EQ(parameters(*foo), QStringList({"a#", "b$", "[c]"}));
    EXPECT_FALSE(foo->MoraZagradi);
    EXPECT_EQ(foo->Help, "Foo# (a#,b$,c%])");

    const KeywordPtr mid = ReadKeywordLine(QStringLiteral("Mid$ ( string$,start[,count] )"));
    EXPECT_EQ(mid->Ime, "Mid");
    EXPECT_EQ(mid->Tip, 3);
    EXPECT_EQ(parameters(*mid), QStringList({"string$", "start", "[count]"}));

    const KeywordPtr graphics = ReadKeywordLine(QStringLiteral("Graphics width,height[,depth][,mode]"));
    EXPECT_EQ(graphics->Tip, 1);
    EXPECT_FALSE(graphics->ImaZagradi);
    EXPECT_FALSE(graphics->MoraZagradi);
    EXPECT_EQ(parameters(*graphics), QStringList({"width", "height", "[depth]", "[mode]"}));

    EXPECT_EQ(parameters(*ReadKeywordLine(QStringLiteral("Print [string$]"))), QStringList({"[string$]"}));
    // A default value reads as a parameter of its own.
    EXPECT_EQ(parameters(*ReadKeywordLine(QStringLiteral("Bar (x=1)"))), QStringList({"x", "1"}));
}

TEST_F(KeywordLine, BracketsAreRequiredWhenNoParameterIs) {
    EXPECT_TRUE(ReadKeywordLine(QStringLiteral("One (a)"))->MoraZagradi);
    EXPECT_FALSE(ReadKeywordLine(QStringLiteral("Two (a,b)"))->MoraZagradi);
    EXPECT_TRUE(ReadKeywordLine(QStringLiteral("Opt ([a][,b])"))->MoraZagradi);
    EXPECT_FALSE(ReadKeywordLine(QStringLiteral("Req (a, more)"))->MoraZagradi);

    const KeywordPtr empty = ReadKeywordLine(QStringLiteral("MilliSecs ( )"));
    EXPECT_TRUE(empty->ImaZagradi);
    EXPECT_EQ(empty->VlezNum, 0);
    EXPECT_TRUE(empty->MoraZagradi);

    EXPECT_FALSE(ReadKeywordLine(QStringLiteral("Text x,y,str$"))->MoraZagradi);
    // A "]" with no name before it adds no empty "[]" parameter.
    EXPECT_EQ(ReadKeywordLine(QStringLiteral("Odd (a,])"))->VlezNum, 1);
}

TEST_F(KeywordLine, ALineWithoutBlankIsANameAsWritten) {
    const KeywordPtr keyword = ReadKeywordLine(QStringLiteral("Pi#"));
    EXPECT_EQ(keyword->Ime, "Pi#");
    EXPECT_EQ(keyword->Tip, 1);
    EXPECT_FALSE(keyword->ImaZagradi);
    EXPECT_EQ(keyword->VlezNum, 0);
    EXPECT_THROW(keyword->ParametarTekst(1), KorvoError);
}

TEST_F(KeywordLine, RefusesAnEmptyNameAndAnOverlongParameterPart) {
    EXPECT_THROW(ReadKeywordLine(QString()), KorvoError);
    EXPECT_THROW(ReadKeywordLine(QStringLiteral("# (a)")), KorvoError);
    EXPECT_NO_THROW(ReadKeywordLine(QStringLiteral("Long ") + QString(254, QLatin1Char('a'))));
    EXPECT_THROW(ReadKeywordLine(QStringLiteral("Long ") + QString(255, QLatin1Char('a'))), KorvoError);
}
