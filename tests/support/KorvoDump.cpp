#include "support/KorvoDump.h"

#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

DumpRun korvoDump(const QStringList& args) {
    QProcess dump;
    dump.start(QCoreApplication::applicationDirPath() + QStringLiteral("/korvo-dump"), args);
    EXPECT_TRUE(dump.waitForFinished(30000));
    return {dump.exitCode(), QString::fromUtf8(dump.readAllStandardOutput()), QString::fromUtf8(dump.readAllStandardError())};
}
