#include "support/Corpus.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

TEST(KeywordsDump, ShowsWhatTheTablesHold) {
    const QString corpus = QStringLiteral(KORVO_CORPUS_DIR "/keywords.txt");
    KORVO_NEED_CORPUS(QFile::exists(corpus), "no corpus");
    QProcess dump;
    dump.start(QCoreApplication::applicationDirPath() + QStringLiteral("/korvo-dump"),
               {QStringLiteral("--keywords"), corpus, QStringLiteral("mid"), QStringLiteral("Nothing")});
    ASSERT_TRUE(dump.waitForFinished(30000));
    EXPECT_EQ(dump.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(dump.readAllStandardOutput()),
              "KeywordsLoaded=1 Count=595\n"
              "Mid Tip=3 VlezNum=3 ImaZagradi=1 MoraZagradi=0 IsScope=0 IsStartScope=0 IsEndScope=0\n"
              "  1 string$\n"
              "  2 start\n"
              "  3 [count]\n"
              "Nothing (none)\n");
}
