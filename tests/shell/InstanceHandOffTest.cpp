#include "files/CommandLineFiles.h"
#include "platform/SettingsStore.h"
#include "shell/InstanceHandOff.h"
#include "shell/MainWindowFixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <future>

namespace {

// Hands off from another thread while this one serves the receiver.
bool handOffServed(const QString& message) {
    std::future<bool> sent = std::async(std::launch::async, [message] { return HandOff(message, 31, 10); });
    QElapsedTimer timer;
    timer.start();
    while (sent.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready && timer.elapsed() < 10000)
        QCoreApplication::processEvents();
    return sent.get();
}

}

TEST_F(MainWindowTest, ASecondStartHandsItsFilesToTheRunningInstance) {
    writeAll(homeFile(QStringLiteral("b b.bb")), "Print 2\r\n");
    const QString message = JoinCommandLine({homeFile(QStringLiteral("b b.bb")), QStringLiteral("/L:3")});
    EXPECT_EQ(message, QLatin1Char('"') + homeFile(QStringLiteral("b b.bb")) + QStringLiteral("\" /L:3"));

    EXPECT_TRUE(handOffServed(message));
    EXPECT_TRUE(main->DS->documents().find(homeFile(QStringLiteral("b b.bb"))));
    EXPECT_TRUE(handOffServed(QLatin1String(kActivateMessage)));
    EXPECT_EQ(main->DS->documents().windowCount(), 1);
}

TEST_F(MainWindowTest, AHandOffThatNobodyTakesFallsBackToAFullStart) {
    ReleaseInstanceHandle();
    EXPECT_FALSE(HandOff(QStringLiteral("a.bb"), 3, 1));
    // A handle left behind by an instance that is gone.
    platform::SaveSetting(QStringLiteral("Instance"), QStringLiteral("Handle"), QStringLiteral("999999999"));
    EXPECT_FALSE(HandOff(QStringLiteral("a.bb"), 3, 1));
}
