#include "support/KorvoDump.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

using DumpMessagesTest = KorvoTest;

TEST_F(DumpMessagesTest, WrongArgumentsPrintTheUsage) {
    for (const QStringList& args : {QStringList{}, QStringList{"--tokens"}, QStringList{"--model"}, QStringList{"--keywords"},
                                    QStringList{"--nothing"}}) {
        const DumpRun run = korvoDump(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("korvo-dump --tokens \"LINE\"")) << run.err.toStdString();
    }
}

TEST_F(DumpMessagesTest, AKeywordFileThatFailsToLoadSaysWhy) {
    writeAll(homeFile("bad.lng"), "Print\r\n" + QByteArray(6000, '\n'));
    const DumpRun run = korvoDump({"--keywords", homeFile("bad.lng")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Block keyword missing: ")) << run.err.toStdString();
}
