#include "support/StandIn.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ShellDumpTest : public ::testing::Test {
protected:
    QString dump(const QStringList& arguments, const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/korvo-dump"), arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    QProcessEnvironment standInEnvironment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("blitzpath"), installation.path());
        environment.insert(QStringLiteral("BLITZCC_SLEEP_MS"), QStringLiteral("5000"));
        environment.insert(QStringLiteral("BLITZCC_LOG"), log());
        return environment;
    }
    QString log() const { return folder.path() + QStringLiteral("/stand-in.log"); }

    StandInInstallation installation;
    QTemporaryDir folder;
};

const QString kBanner = QStringLiteral("output:BlitzCC V1.99 (stand-in)\noutput:(C)opyright nobody: a stand-in for Korvo's tests\n");

}

TEST_F(ShellDumpTest, PrintsTheEventsOfARunOneALine) {
    EXPECT_EQ(dump({"--shell", "sh", "-c", "printf abc; sleep 0.3; printf \"def\\r\\nxy\"; exit 3"}),
              QStringLiteral("started\noutput:abcdef\noutput:xy\ncomplete:3\n"));
    EXPECT_EQ(dump({"--shell", "sh", "-c", "printf 'a\\r\\n\\r\\nb\\r\\n'"}), QStringLiteral("started\noutput:a\noutput:\noutput:b\ncomplete:0\n"));
    EXPECT_EQ(dump({"--shell", "sh", "-c", "printf 'a\\nb\\n'"}), QStringLiteral("started\noutput:a\noutput:b\ncomplete:0\n"));
}

TEST_F(ShellDumpTest, TerminatingOrQuittingEndsTheCompiler) {
    const QString source = folder.path() + QStringLiteral("/game.bb");
    EXPECT_EQ(dump({"--shell", "--terminate-after", "300", installation.compiler(), source}, standInEnvironment()),
              QStringLiteral("started\n") + kBanner + QStringLiteral("complete:137\n"));
    EXPECT_EQ(dump({"--shell", "--quit-after", "300", installation.compiler(), source}, standInEnvironment()),
              QStringLiteral("started\n") + kBanner);
    const QList<qint64> pids = loggedPids(log());
    ASSERT_EQ(pids.size(), 2);
    EXPECT_TRUE(processGone(pids[0]));
    EXPECT_TRUE(processGone(pids[1]));
}

TEST_F(ShellDumpTest, RefreshesAKeywordFileInTheProgramFolder) {
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KORVO_HOME"), home.path());
    QDir(home.path()).mkpath(QStringLiteral("conf"));
    const QString output = dump({"--refresh", "Stand-in", installation.path()}, environment);
    EXPECT_TRUE(output.startsWith(home.path() + QStringLiteral("/conf/Stand-in.lng ")));
    EXPECT_TRUE(output.endsWith(QStringLiteral("\nKeywordsLoaded=1\n")));
}
