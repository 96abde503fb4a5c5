#include "foundation/Hash.h"
#include "language/lexer/CharTables.h"
#include "language/lexer/Lexer.h"
#include "support/TestEnvironment.h"

#include <QStringList>

namespace {

QString describe(const TokenRecord& t) {
    return QStringLiteral("%1 \"%2\" %3 %4").arg(t.Kind).arg(t.Text()).arg(t.StartPos).arg(t.EndPos);
}

// The tokens of a line, with the end marker's kind checked on the way.
QStringList tokens(const QByteArray& line) {
    const int count = TokenizeLine(line);
    QStringList described;
    for (int i = 1; i <= count; ++i)
        described << describe(gTokens[i]);
    EXPECT_EQ(gTokens[count + 1].Kind, tkNone) << line.constData();
    return described;
}

QStringList kinds(const QByteArray& line) {
    const int count = TokenizeLine(line);
    QStringList described;
    for (int i = 1; i <= count; ++i)
        described << QString::number(gTokens[i].Kind) + (gTokens[i].Text().isEmpty() ? QString() : QLatin1Char(':') + gTokens[i].Text());
    return described;
}

QStringList lightTokens(const QByteArray& line) {
    const int count = TokenizeLightLine(line);
    QStringList described;
    for (int i = 1; i <= count; ++i)
        described << QString::number(gLightTokens[i].Kind) + (gLightTokens[i].Text().isEmpty() ? QString() : QLatin1Char(':') + gLightTokens[i].Text());
    EXPECT_EQ(gLightTokens[count + 1].Kind, tkNone) << line.constData();
    return described;
}

class Lexer : public KorvoTest {
protected:
    qint64 errorLogSize() const { return readAll(homeFile(QStringLiteral("error.log"))).size(); }
};

}

TEST_F(Lexer, CutsNamesOperatorsAndNumbersWithTheirPositions) {
    EXPECT_EQ(tokens("  x=1"), QStringList({"3 \"x\" 3 4", "61 \"\" 4 5", "2 \"1\" 5 6"}));
    EXPECT_EQ(tokens("Print x\r\n"), QStringList({"3 \"Print\" 1 6", "3 \"x\" 7 8"}));
    EXPECT_TRUE(tokens("").isEmpty());
    EXPECT_TRUE(tokens(" \t \r\n").isEmpty());
    EXPECT_EQ(kinds("a$ = $1F"), QStringList({"3:a", "36", "61", "2:$1F"}));
    EXPECT_EQ(kinds("%1010 + x%"), QStringList({"2:%1010", "43", "3:x", "37"}));
    EXPECT_EQ(kinds("x.y=.5:z#=1.25"), QStringList({"3:x", "46", "3:y", "61", "2:.5", "58", "3:z", "35", "61", "2:1.25"}));
    EXPECT_EQ(kinds("a\\b[2]<>(c,d)-e*f/g^h~i"),
              QStringList({"3:a", "92", "3:b", "91", "2:2", "93", "60", "62", "40", "3:c", "44", "3:d", "41", "45", "3:e", "42", "3:f", "47", "3:g", "94", "3:h", "126", "3:i"}));
    EXPECT_EQ(kinds("If a? Then !"), QStringList({"3:If", "3:a", "0", "3:Then", "0"}));
    EXPECT_EQ(kinds("\xe9t\xe9"), QStringList({"0", "3:t", "0"}));
}

TEST_F(Lexer, NumbersRunIntoLettersAndUnderscoreWordsAreUnclassified) {
    EXPECT_EQ(tokens("12abc"), QStringList({"0 \"\" 1 6"}));
    EXPECT_EQ(tokens("_tmp=1"), QStringList({"0 \"\" 1 5", "61 \"\" 5 6", "2 \"1\" 6 7"}));
    EXPECT_EQ(kinds("1.5e3 $FFG %012 $G"), QStringList({"0", "0", "0", "36", "3:G"}));
}

TEST_F(Lexer, StringsEndAtTheirQuoteOrAtAControlCharacter) {
    EXPECT_EQ(tokens("a$=\"x;y\" ; note"), QStringList({"3 \"a\" 1 2", "36 \"\" 2 3", "61 \"\" 3 4", "1 \"x;y\" 4 8", "59 \"\" 10 0"}));
    EXPECT_EQ(tokens("Print \"open"), QStringList({"3 \"Print\" 1 6", "1 \"open\" 7 12"}));
    EXPECT_EQ(tokens("\"a\tb\""), QStringList({"1 \"a\" 1 3", "3 \"b\" 4 5", "1 \"\" 5 6"}));
    EXPECT_EQ(tokens("\"\""), QStringList({"1 \"\" 1 2"}));
}

TEST_F(Lexer, CommentsAndFoldBlockMarkers) {
    EXPECT_EQ(tokens(";[block"), QStringList({"201 \"block\" 1 8"}));
    EXPECT_EQ(tokens("  ;[End of it\r\n"), QStringList({"202 \"End\" 3 8"}));
    EXPECT_EQ(tokens(";[Other words"), QStringList({"59 \"Other\" 1 0"}));
    EXPECT_EQ(tokens(";[Blocks"), QStringList({"59 \"Blocks\" 1 0"}));
    EXPECT_EQ(tokens("x ;! tip"), QStringList({"3 \"x\" 1 2", "59 \"\" 3 -100"}));
    EXPECT_EQ(tokens(";["), QStringList({"59 \"\" 1 0"}));
    EXPECT_EQ(tokens(";"), QStringList({"59 \"\" 1 0"}));
}

TEST_F(Lexer, TokenTextsComeFromTheLineAsCharacters) {
    // Kinds are decided on the bytes; texts keep the line's own characters.
    EXPECT_EQ(tokens("s$=\"\x80\xe9\""), QStringList({"3 \"s\" 1 2", "36 \"\" 2 3", "61 \"\" 3 4", QStringLiteral("1 \"\u20ac\u00e9\" 4 7")}));
    // A stale text from an earlier line never survives in a slot without one.
    tokens("abc def");
    tokens("( def");
    EXPECT_TRUE(gTokens[1].Text().isEmpty());
}

TEST_F(Lexer, LightTokenizerKeepsNamesWholeNumbersAndSingleCharacters) {
    EXPECT_EQ(lightTokens("If a Then ; calls Foo()"), QStringList({"3:If", "3:a", "3:Then"}));
    EXPECT_EQ(lightTokens("x=1.5+$FF-_abc"), QStringList({"3:x", "61", "2:1", "2:5", "43", "3:FF", "45", "3:abc"}));
    EXPECT_EQ(lightTokens("s$=\"a;b\"+t$(1)\r\n"), QStringList({"3:s", "61", "43", "3:t", "40", "2:1", "41"}));
    EXPECT_EQ(lightTokens("Print \"never closed"), QStringList({"3:Print"}));
    EXPECT_TRUE(lightTokens("").isEmpty());
    // The light tokenizer leaves the full tokenizer's result alone.
    TokenizeLine("Global g");
    TokenizeLightLine("Local l");
    EXPECT_EQ(gTokens[2].Text(), "g");
}

TEST_F(Lexer, OverlongLinesAreCutAndLoggedOnceWithoutAPrompt) {
    QByteArray longLine = "name=" + QByteArray(40000, 'a');
    EXPECT_EQ(TokenizeLine(longLine), 3);
    EXPECT_EQ(gTokens[3].EndPos, kMaxLineLength + 1);
    EXPECT_EQ(gTokens[3].Text().size(), kMaxLineLength - 5);
    const qint64 logged = errorLogSize();
    EXPECT_GT(logged, 0);
    TokenizeLine(longLine);
    EXPECT_EQ(errorLogSize(), logged);

    QByteArray manyTokens;
    for (int i = 0; i < 2500; ++i)
        manyTokens += "y ";
    EXPECT_EQ(TokenizeLine(manyTokens), kMaxTokens - 1);
    EXPECT_EQ(gTokens[kMaxTokens].Kind, tkNone);
    EXPECT_EQ(gTokens[kMaxTokens - 1].StartPos, 2 * (kMaxTokens - 1) - 1);
    const qint64 loggedTwice = errorLogSize();
    EXPECT_GT(loggedTwice, logged);
    TokenizeLine(manyTokens);
    EXPECT_EQ(errorLogSize(), loggedTwice);

    EXPECT_EQ(TokenizeLightLine(manyTokens), kMaxTokens - 1);
    EXPECT_EQ(gLightTokens[kMaxTokens].Kind, tkNone);
    EXPECT_GT(errorLogSize(), loggedTwice);
    EXPECT_EQ(TokenizeLightLine(longLine), 3);
    EXPECT_TRUE(prompts.isEmpty());

    // Exactly as many tokens as the array holds is no fault.
    const qint64 before = errorLogSize();
    EXPECT_EQ(TokenizeLine(manyTokens.left(2 * (kMaxTokens - 1)) + "\r\n"), kMaxTokens - 1);
    EXPECT_EQ(errorLogSize(), before);
}

TEST_F(Lexer, HashCodesSumTheFirstLengthMod22Characters) {
    EXPECT_EQ(HashCode("AB"), 131);
    EXPECT_EQ(HashCode(QString(22, 'A')), 0);
    EXPECT_EQ(HashCode(QString(23, 'A')), 65);
    EXPECT_EQ(HashCode(""), 0);
    EXPECT_EQ(HashCode(QStringLiteral("\uFFFF")), -1);
    EXPECT_EQ(HashCodeNoCase("my_Var1"), HashCode("MY_VAR1"));
    EXPECT_EQ(HashCodeNoCase(QStringLiteral("a\u00e9\u20ac\tb")), HashCode("AB"));
    EXPECT_EQ(gTipSuffix[5], ".");
    EXPECT_EQ(gSuffixTip[static_cast<unsigned char>('$')], 3);
}
