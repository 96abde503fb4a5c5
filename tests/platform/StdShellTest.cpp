#include "platform/StdShell.h"

#include "support/StandIn.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>

using platform::ChildProcess;
using platform::StdShell;

namespace {

ChildProcess shell(const QString& script) {
    return {QStringLiteral("sh"), {QStringLiteral("-c"), script}, {}};
}

// Every event of a runner, one a line, as korvo-dump prints them.
class RunnerTest : public ::testing::Test {
protected:
    void SetUp() override { record(*runner); }

    void record(StdShell& shell) {
        QObject::connect(&shell, &StdShell::ProcessStarted, [this] { events << QStringLiteral("started"); });
        QObject::connect(&shell, &StdShell::ConsoleOutput, [this](const QString& line) { events << QStringLiteral("output:") + line; });
        QObject::connect(&shell, &StdShell::ConsoleError, [this](const QString& line) { events << QStringLiteral("error-output:") + line; });
        QObject::connect(&shell, &StdShell::Error, [this](int number, const QString& text) {
            events << QStringLiteral("error:%1:%2").arg(number).arg(text);
        });
        QObject::connect(&shell, &StdShell::ProcessComplete, [this](int code) { events << QStringLiteral("complete:%1").arg(code); });
    }

    bool completed() const { return !events.filter(QStringLiteral("complete:")).isEmpty(); }

    // It prints its banner, then sleeps.
    ChildProcess sleepingStandIn(int ms) {
        ChildProcess command{installation.compiler(), {logDir.path() + QStringLiteral("/game.bb")}, {}};
        command.variables.insert(QStringLiteral("blitzpath"), installation.path());
        command.variables.insert(QStringLiteral("BLITZCC_SLEEP_MS"), QString::number(ms));
        command.variables.insert(QStringLiteral("BLITZCC_LOG"), log());
        return command;
    }
    QString log() const { return logDir.path() + QStringLiteral("/stand-in.log"); }
    qint64 standInPidOnceItSleeps() {
        EXPECT_TRUE(waitUntil([this] { return events.size() == 3; }));
        return loggedPids(log()).value(0);
    }

    std::unique_ptr<StdShell> runner = std::make_unique<StdShell>();
    QStringList events;
    StandInInstallation installation;
    QTemporaryDir logDir;
};

}

TEST_F(RunnerTest, ARunRaisesItsLinesBetweenStartAndCompletion) {
    ASSERT_TRUE(runner->ExecuteNoCheck(shell("printf abc; echo oops >&2; sleep 0.2; printf 'def\\r\\nxy'; exit 3"), QString()));
    EXPECT_TRUE(runner->Running());
    ASSERT_TRUE(waitUntil([this] { return completed(); }));
    EXPECT_EQ(events, (QStringList{"started", "error-output:oops", "output:abcdef", "output:xy", "complete:3"}));
    EXPECT_FALSE(runner->Running());
}

TEST_F(RunnerTest, TheChildGetsItsFolderVariablesAndInputButKorvoKeepsItsEnvironment) {
    QTemporaryDir folder;
    ChildProcess command = shell("pwd; echo \"$KORVO_RUNNER_TEST\"; read line; echo \"got $line\"");
    command.variables.insert(QStringLiteral("KORVO_RUNNER_TEST"), QStringLiteral("for the child"));
    runner->WriteConsole(QStringLiteral("ignored while idle\n"));
    ASSERT_TRUE(runner->Execute(command, QStringLiteral("console"), folder.path()));
    runner->WriteConsole(QStringLiteral("hello\n"));
    ASSERT_TRUE(waitUntil([this] { return completed(); }));
    EXPECT_EQ(events, (QStringList{"started", "output:" + QDir(folder.path()).canonicalPath(), "output:for the child",
                                   "output:got hello", "complete:0"}));
    EXPECT_FALSE(qEnvironmentVariableIsSet("KORVO_RUNNER_TEST"));
}

TEST_F(RunnerTest, TheChildLeadsItsOwnGroupAtTheLowestPriority) {
    ASSERT_TRUE(runner->ExecuteNoCheck(shell("cat /proc/$$/stat; echo $$"), QString()));
    ASSERT_TRUE(waitUntil([this] { return completed(); }));
    ASSERT_EQ(events.size(), 4);
    const QStringList stat = events[1].mid(events[1].lastIndexOf(')') + 2).split(' ');
    const QString pid = events[2].mid(7);
    EXPECT_EQ(stat.value(2), pid);          // process group
    EXPECT_EQ(stat.value(16), QStringLiteral("19"));  // nice
}

TEST_F(RunnerTest, AStartWhileRunningIsRefusedAndTheFirstRunGoesOn) {
    ASSERT_TRUE(runner->ExecuteNoCheck(shell("sleep 0.2; echo first"), QString()));
    EXPECT_FALSE(runner->Execute(shell("echo second"), QStringLiteral("console"), QString()));
    ASSERT_TRUE(waitUntil([this] { return completed(); }));
    EXPECT_EQ(events, (QStringList{"started", "error:-2147221503:Process already running.", "output:first", "complete:0"}));
}

TEST_F(RunnerTest, AProgramThatCannotStartIsAnErrorWithItsErrno) {
    EXPECT_FALSE(runner->ExecuteNoCheck({QStringLiteral("/no/such/program"), {}, {}}, QString()));
    EXPECT_FALSE(runner->Running());
    EXPECT_EQ(events, QStringList{"error:2:No such file or directory"});
}

TEST_F(RunnerTest, TerminateKillsTheWholeGroupAndTheRunCompletesWith137) {
    int exitCode = -1;
    EXPECT_FALSE(runner->Terminate(exitCode));
    EXPECT_EQ(exitCode, -1);
    EXPECT_EQ(events, QStringList{"error:-2147221502:No process to terminate."});
    events.clear();

    ASSERT_TRUE(runner->ExecuteNoCheck(shell("sleep 5 & echo $!; wait"), QString()));
    ASSERT_TRUE(waitUntil([this] { return events.size() == 2; }));
    const qint64 grandchild = events[1].mid(7).toLongLong();
    EXPECT_TRUE(runner->Terminate(exitCode));
    EXPECT_EQ(exitCode, 0);
    ASSERT_TRUE(waitUntil([this] { return completed(); }));
    EXPECT_EQ(events.last(), QStringLiteral("complete:137"));
    EXPECT_TRUE(waitUntil([&] { return processGone(grandchild); }));

    events.clear();
    ASSERT_TRUE(runner->ExecuteNoCheck(sleepingStandIn(5000), QString()));
    const qint64 standIn = standInPidOnceItSleeps();
    EXPECT_TRUE(runner->Terminate(exitCode));
    ASSERT_TRUE(waitUntil([this] { return completed(); }));
    EXPECT_EQ(events.last(), QStringLiteral("complete:137"));
    EXPECT_EQ(::kill(-pid_t(standIn), 0), -1);
    EXPECT_EQ(errno, ESRCH);
}

TEST_F(RunnerTest, EventsNeverNestInsideAHandlersOwnEventLoop) {
    bool inHandler = false;
    bool nested = false;
    QObject::connect(runner.get(), &StdShell::ConsoleOutput, [&](const QString& line) {
        nested = nested || inHandler;
        if (line != QStringLiteral("first"))
            return;
        // As a modal message box would: the child ends meanwhile.
        inHandler = true;
        QEventLoop modal;
        QTimer::singleShot(400, &modal, &QEventLoop::quit);
        modal.exec();
        inHandler = false;
    });
    QObject::connect(runner.get(), &StdShell::ProcessComplete, [&] { nested = nested || inHandler; });
    ASSERT_TRUE(runner->ExecuteNoCheck(shell("echo first; sleep 0.1; echo second; printf third"), QString()));
    ASSERT_TRUE(waitUntil([this] { return completed(); }));
    EXPECT_FALSE(nested);
    EXPECT_EQ(events, (QStringList{"started", "output:first", "output:second", "output:third", "complete:0"}));
}

TEST_F(RunnerTest, AHandlerMayStartTheNextRunOrDestroyTheRunner) {
    QObject::connect(runner.get(), &StdShell::ProcessComplete, [this](int code) {
        if (code == 1)
            runner->ExecuteNoCheck(shell("echo again; exit 2"), QString());
    });
    ASSERT_TRUE(runner->ExecuteNoCheck(shell("exit 1"), QString()));
    ASSERT_TRUE(waitUntil([this] { return events.contains(QStringLiteral("complete:2")); }));
    EXPECT_EQ(events, (QStringList{"started", "complete:1", "started", "output:again", "complete:2"}));

    events.clear();
    QObject::connect(runner.get(), &StdShell::ConsoleOutput, [this] { runner.reset(); });
    ASSERT_TRUE(runner->ExecuteNoCheck(sleepingStandIn(5000), QString()));
    ASSERT_TRUE(waitUntil([this] { return !runner; }));
    EXPECT_TRUE(processGone(loggedPids(log()).value(0)));
    EXPECT_EQ(events, (QStringList{"started", "output:BlitzCC V1.99 (stand-in)"}));
}

TEST_F(RunnerTest, ARunnerDestroyedWhileItsChildRunsKillsItSilently) {
    ASSERT_TRUE(runner->ExecuteNoCheck(sleepingStandIn(5000), QString()));
    const qint64 standIn = standInPidOnceItSleeps();
    runner.reset();
    EXPECT_TRUE(processGone(standIn));
    EXPECT_EQ(::kill(-pid_t(standIn), 0), -1);
    QCoreApplication::processEvents();
    EXPECT_EQ(events.size(), 3);
    EXPECT_FALSE(completed());
}
