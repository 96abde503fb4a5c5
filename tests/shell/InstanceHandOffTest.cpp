#include "editor/frmDoc.h"
#include "files/CommandLineFiles.h"
#include "platform/SettingsStore.h"
#include "shell/InstanceHandOff.h"
#include "shell/MainWindowFixture.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QThread>

#include <csignal>
#include <cstring>
#include <future>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

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

// The handle reaches the settings file only with the shutdown's one write:
// from the shutdown's start on, nobody listens, so a second start that still
// reads this instance's id waits for the lock instead of handing its files
// to a window that is going. An exit that was cancelled listens again.
TEST_F(MainWindowTest, AClosingInstanceTakesNoHandOffAndACancelledOneTakesThemAgain) {
    writeAll(homeFile(QStringLiteral("a.bb")), "Print 1\r\n");
    const QString self = QString::number(QCoreApplication::applicationPid());
    openFiles({QStringLiteral("b.bb")});
    qobject_cast<frmDoc*>(main->DS->documents().find(homeFile(QStringLiteral("b.bb")))->form())->setDirty(true);
    scriptButton(platform::vbCancel);
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(handOffServed(homeFile(QStringLiteral("a.bb"))));
    EXPECT_TRUE(main->DS->documents().find(homeFile(QStringLiteral("a.bb"))));

    scriptButton(platform::vbNo);
    EXPECT_TRUE(main->close());
    platform::SaveSetting(QStringLiteral("Instance"), QStringLiteral("Handle"), self);
    EXPECT_FALSE(handOffServed(homeFile(QStringLiteral("a.bb"))));
}

TEST_F(MainWindowTest, TheHandOffSocketLivesInAFolderOnlyTheUserCanEnter) {
    const QString folder = InstanceSocketFolder();
    ASSERT_FALSE(folder.isEmpty());
    const QString socket = InstanceServerName(QCoreApplication::applicationPid());
    EXPECT_TRUE(socket.startsWith(folder + QLatin1Char('/')));
    EXPECT_FALSE(socket.startsWith(QDir::tempPath() + QStringLiteral("/korvo-")));
    struct stat info {};
    ASSERT_EQ(lstat(QFile::encodeName(folder).constData(), &info), 0);
    EXPECT_EQ(info.st_uid, getuid());
    EXPECT_EQ(info.st_mode & 077, 0u);
    struct stat socketInfo {};
    ASSERT_EQ(stat(QFile::encodeName(socket).constData(), &socketInfo), 0);
    EXPECT_TRUE(S_ISSOCK(socketInfo.st_mode));

    // $XDG_RUNTIME_DIR is taken when it is the user's alone.
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    const QString runtime = homeFile(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    const QString inRuntime = InstanceServerName(42);
    if (saved.isNull())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", saved);
    EXPECT_TRUE(inRuntime.startsWith(runtime + QStringLiteral("/korvo-"))) << inRuntime.toStdString();
    EXPECT_TRUE(inRuntime.endsWith(QStringLiteral("-42")));
}

TEST_F(MainWindowTest, TheSocketOfAnInstanceThatIsGoneIsRemovedAtStart) {
    const QString gone = InstanceServerName(999999999);
    const QString alive = InstanceServerName(QCoreApplication::applicationPid());
    writeAll(gone, "");
    RemoveStaleInstanceSockets();
    EXPECT_FALSE(QFile::exists(gone));
    EXPECT_TRUE(QFile::exists(alive));
}

TEST_F(MainWindowTest, EveryMessageOnOneConnectionIsAnswered) {
    writeAll(homeFile(QStringLiteral("a.bb")), "Print 1\r\n");
    writeAll(homeFile(QStringLiteral("b.bb")), "Print 2\r\n");
    const QString server = InstanceServerName(QCoreApplication::applicationPid());
    std::future<QByteArray> answers = std::async(std::launch::async, [server, this] {
        QLocalSocket socket;
        socket.connectToServer(server);
        if (!socket.waitForConnected(10000))
            return QByteArray();
        QByteArray frames;
        for (const QString& path : {homeFile(QStringLiteral("a.bb")), homeFile(QStringLiteral("b.bb"))}) {
            const QByteArray bytes = path.toUtf8();
            QDataStream(&frames, QIODevice::Append) << quint32(bytes.size());
            frames += bytes;
        }
        socket.write(frames);
        socket.waitForBytesWritten(10000);
        QByteArray got;
        QElapsedTimer timer;
        timer.start();
        while (got.size() < 2 && timer.elapsed() < 10000 && socket.state() == QLocalSocket::ConnectedState) {
            socket.waitForReadyRead(100);
            got += socket.readAll();
        }
        return got;
    });
    QElapsedTimer timer;
    timer.start();
    while (answers.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready && timer.elapsed() < 20000)
        QCoreApplication::processEvents();
    EXPECT_EQ(answers.get(), "KK");
    EXPECT_TRUE(main->DS->documents().find(homeFile(QStringLiteral("a.bb"))));
    EXPECT_TRUE(main->DS->documents().find(homeFile(QStringLiteral("b.bb"))));
}

// A listener of another user (root can make one: it binds, then listens as
// "nobody", whose credentials the socket then carries) answers like Korvo,
// and is still not handed the message.
TEST_F(MainWindowTest, AHandOffGoesOnlyToAListenerOfTheSameUser) {
    if (getuid() != 0)
        GTEST_SKIP() << "needs root to listen as another user";
    int path[2];
    int listening[2];
    ASSERT_EQ(pipe(path), 0);
    ASSERT_EQ(pipe(listening), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        char name[sizeof(sockaddr_un::sun_path)] = {};
        if (read(path[0], name, sizeof name - 1) <= 0)
            _exit(1);
        const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, name, sizeof name);
        if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || setresgid(65534, 65534, 65534) != 0
            || setresuid(65534, 65534, 65534) != 0 || listen(listener, 1) != 0)
            _exit(1);
        (void)write(listening[1], "L", 1);
        const int client = accept(listener, nullptr, nullptr);
        char frame[4096];
        (void)read(client, frame, sizeof frame);
        (void)write(client, "K", 1);
        _exit(0);
    }
    const QByteArray name = QFile::encodeName(InstanceServerName(child));
    ASSERT_LT(name.size(), qsizetype(sizeof(sockaddr_un::sun_path)));
    ASSERT_EQ(write(path[1], name.constData(), size_t(name.size())), name.size());
    close(path[1]);
    close(path[0]);
    close(listening[1]);
    char answer = 0;
    const bool ready = read(listening[0], &answer, 1) == 1;
    close(listening[0]);
    platform::SaveSetting(QStringLiteral("Instance"), QStringLiteral("Handle"), QString::number(child));
    const bool handedOff = ready && HandOff(QStringLiteral("a.bb"), 1, 1);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    QFile::remove(QFile::decodeName(name));
    ASSERT_TRUE(ready);
    EXPECT_FALSE(handedOff);
}
