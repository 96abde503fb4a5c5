#include "language/keywords/ActiveKeywords.h"
#include "language/keywords/Compiler.h"
#include "language/keywords/KeywordFiles.h"
#include "platform/KorvoError.h"

#include "support/TestEnvironment.h"
#include "support/Corpus.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

class CompilerKeywords : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        QDir(home()).mkpath(QStringLiteral("conf"));
        compiler.Name = QStringLiteral("Blitz");
    }

    void writeKeywords(const QByteArray& text) { writeAll(KeywordFilePath(compiler.Name), text); }

    QString errorLog() const { return QString::fromLatin1(readAll(homeFile(QStringLiteral("error.log")))); }

    ClsCompiler compiler;
};

}

TEST_F(CompilerKeywords, AFileOf2999BytesIsRefusedAndOneOf3000Loads) {
    writeKeywords(keywordFileText({"Print [string$]"}, 2999));
    ASSERT_EQ(QFileInfo(KeywordFilePath(compiler.Name)).size(), 2999);
    EXPECT_FALSE(compiler.LoadKeywords());
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].text, "Invalid Keywords file for this compiler!");
    EXPECT_EQ(prompts[0].icon, platform::vbExclamation);
    EXPECT_FALSE(compiler.KeywordsLoaded);

    writeKeywords(keywordFileText({"Print [string$]"}, 3000));
    ASSERT_EQ(QFileInfo(KeywordFilePath(compiler.Name)).size(), 3000);
    EXPECT_TRUE(compiler.LoadKeywords());
    EXPECT_TRUE(compiler.KeywordsLoaded);
    EXPECT_EQ(prompts.size(), 1);
}

TEST_F(CompilerKeywords, AMissingFileAsksForARefresh) {
    EXPECT_FALSE(compiler.SetDefaultKeywords());
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].text, "Cannot load keywords file for compiler Blitz !\r\n  Please Refresh Definitions for this compiler...");
    // Activation still points the active set at this compiler's empty tables,
    // and a later activation tries the file again.
    EXPECT_EQ(&gKeywords('P'), &compiler.bbFunkcija('P'));
    compiler.SetDefaultKeywords();
    EXPECT_EQ(prompts.size(), 2);
}

TEST_F(CompilerKeywords, LooksUpWithoutCaseInTheTableOfTheFirstLetter) {
    writeKeywords(keywordFileText({"Print [string$]", "Float", "Sin# ( degrees# )", "", "   ", "_Under"}));
    ASSERT_TRUE(compiler.SetDefaultKeywords());
    const KeywordPtr print = compiler.bbFunkcija(80).Item(QStringLiteral("Print"));
    ASSERT_TRUE(print);
    for (const char* word : {"print", "Print", "PRINT"})
        EXPECT_EQ(gKeywords.Find(QString::fromLatin1(word)), print) << word;
    EXPECT_EQ(gKeywords(KeywordTableCode(QStringLiteral("print"))).Item(QStringLiteral("pRiNt")), print);
    EXPECT_TRUE(gKeywords.Find(QStringLiteral("_under")));
    EXPECT_FALSE(gKeywords.Find(QStringLiteral("1abc")));

    // Lines after the empty ones still load.
    ASSERT_TRUE(gKeywords.Find(QStringLiteral("Sin")));
    EXPECT_EQ(gKeywords.Find(QStringLiteral("Float"))->Tip, 2);

    const KeywordPtr elseKeyword = gKeywords.Find(QStringLiteral("Else"));
    EXPECT_TRUE(elseKeyword->IsScope && elseKeyword->IsEndScope && !elseKeyword->IsStartScope);
    const KeywordPtr field = gKeywords.Find(QStringLiteral("Field"));
    EXPECT_TRUE(field->IsScope && !field->IsEndScope && !field->IsStartScope);
    const KeywordPtr elseIf = gKeywords.Find(QStringLiteral("ElseIf"));
    EXPECT_TRUE(elseIf->IsStartScope && elseIf->IsEndScope);
    EXPECT_FALSE(print->IsScope);
}

TEST_F(CompilerKeywords, AReloadShowsInTheActiveSetAtOnce) {
    writeKeywords(keywordFileText({"Print [string$]"}));
    ASSERT_TRUE(compiler.SetDefaultKeywords());
    EXPECT_FALSE(gKeywords.Find(QStringLiteral("Float")));
    writeKeywords(keywordFileText({"Print [string$]", "Float"}));
    ASSERT_TRUE(compiler.LoadKeywords());
    EXPECT_TRUE(gKeywords.Find(QStringLiteral("Float")));
    EXPECT_EQ(compiler.bbFunkcija('P').Count(), 1);
}

TEST_F(CompilerKeywords, ABadLineOrAMissingBlockKeywordEndsTheLoadInTheErrorLog) {
    QStringList lines = blockKeywordLines();
    lines.removeAll(QStringLiteral("EndIf"));
    QByteArray text;
    for (const QString& line : lines + QStringList{"Print [string$]"})
        text += line.toLatin1() + "\r\n";
    text += "Z" + QByteArray(3000, 'z') + "\r\n";
    writeKeywords(text);
    EXPECT_FALSE(compiler.LoadKeywords());
    EXPECT_FALSE(compiler.KeywordsLoaded);
    EXPECT_TRUE(compiler.bbFunkcija('P').Exists(QStringLiteral("print")));
    EXPECT_TRUE(errorLog().contains("LoadKeywords"));

    writeKeywords(keywordFileText({"Print", "Cls", "PRINT [string$]", "Late"}));
    EXPECT_FALSE(compiler.LoadKeywords());
    EXPECT_TRUE(compiler.bbFunkcija('C').Exists(QStringLiteral("Cls")));
    EXPECT_FALSE(compiler.bbFunkcija('L').Exists(QStringLiteral("Late")));

    writeKeywords(keywordFileText({"1Up"}));
    EXPECT_FALSE(compiler.LoadKeywords());
    EXPECT_THROW(compiler.bbFunkcija(59), KorvoError);
}

TEST_F(CompilerKeywords, LoadsTheCompilersOwnListing) {
    const QString corpus = QStringLiteral(KORVO_CORPUS_DIR "/keywords.txt");
    KORVO_NEED_CORPUS(QFile::exists(corpus), "no corpus");
    ASSERT_TRUE(QFile::copy(corpus, KeywordFilePath(compiler.Name)));
    ASSERT_TRUE(compiler.SetDefaultKeywords());
    EXPECT_TRUE(compiler.KeywordsLoaded);
    EXPECT_TRUE(prompts.isEmpty());

    int count = 0;
    for (int code = kFirstKeywordCode; code <= kLastKeywordCode; ++code)
        count += compiler.bbFunkcija(code).Count();
    EXPECT_EQ(count, 595);

    const KeywordPtr mid = gKeywords.Find(QStringLiteral("mid"));
    ASSERT_TRUE(mid);
    EXPECT_EQ(mid->Tip, 3);
    EXPECT_EQ(mid->VlezNum, 3);
    EXPECT_EQ(mid->ParametarTekst(3), "[count]");

    const KeywordPtr graphics = gKeywords.Find(QStringLiteral("Graphics"));
    EXPECT_EQ(graphics->Tip, 1);
    EXPECT_EQ(graphics->VlezNum, 4);
    EXPECT_EQ(graphics->ParametarTekst(4), "[mode]");
    EXPECT_FALSE(graphics->ImaZagradi);

    const KeywordPtr sine = gKeywords.Find(QStringLiteral("Sin"));
    EXPECT_EQ(sine->Tip, 2);
    EXPECT_EQ(sine->ParametarTekst(1), "degrees#");
    EXPECT_FALSE(sine->MoraZagradi);

    const KeywordPtr millisecs = gKeywords.Find(QStringLiteral("MilliSecs"));
    EXPECT_EQ(millisecs->VlezNum, 0);
    EXPECT_TRUE(millisecs->MoraZagradi);
}
