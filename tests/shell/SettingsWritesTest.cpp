#include "language/keywords/KeywordFiles.h"
#include "platform/SettingsStore.h"
#include "shell/LayoutSlots.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <csignal>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

// Counts the times the settings file is replaced (a rename onto it) or
// written in place, from the kernel's notices on its folder.
class SettingsFileWrites {
public:
    explicit SettingsFileWrites(const QString& folder) : fd_(inotify_init1(IN_NONBLOCK)) {
        QDir().mkpath(folder);
        inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_MOVED_TO | IN_CLOSE_WRITE);
    }
    ~SettingsFileWrites() { ::close(fd_); }
    SettingsFileWrites(const SettingsFileWrites&) = delete;
    SettingsFileWrites& operator=(const SettingsFileWrites&) = delete;

    bool watching() const { return fd_ >= 0; }

    // The writes so far.
    int count() {
        alignas(inotify_event) char buffer[8192];
        for (ssize_t got; (got = ::read(fd_, buffer, sizeof buffer)) > 0;)
            for (char* at = buffer; at < buffer + got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                const bool written = event->mask & IN_MOVED_TO || event->mask & IN_CLOSE_WRITE;
                if (written && event->len > 0 && QByteArray(event->name) == "Korvo.ini")
                    ++count_;
                at += sizeof(inotify_event) + event->len;
            }
        return count_;
    }

private:
    int fd_;
    int count_ = 0;
};

bool waitFor(const std::function<bool()>& condition, int timeoutMs = 60000) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QThread::msleep(20);
    }
    return true;
}

// The korvo program started headless on the test's program and settings folders.
class KorvoStart {
public:
    explicit KorvoStart(const QStringList& arguments = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("KORVO_NONINTERACTIVE"), QStringLiteral("1"));
        process.setProcessEnvironment(environment);
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/korvo"), arguments);
        EXPECT_TRUE(process.waitForStarted(30000)) << process.errorString().toStdString();
    }
    ~KorvoStart() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(30000);
        }
    }
    KorvoStart(const KorvoStart&) = delete;
    KorvoStart& operator=(const KorvoStart&) = delete;

    // Ends normally with 0, within a generous time.
    bool ends() {
        return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }
    bool endsOnTerm() {
        ::kill(pid_t(process.processId()), SIGTERM);
        return ends();
    }

    QProcess process;
};

class SettingsWritesTest : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        QDir().mkpath(homeFile(QStringLiteral("conf")));
        QDir().mkpath(homeFile(QStringLiteral("Styles")));
        QFile::copy(QStringLiteral(KORVO_SOURCE_DIR "/data/conf/compilers.dat"), homeFile(QStringLiteral("conf/compilers.dat")));
        QFile::copy(QStringLiteral(KORVO_SOURCE_DIR "/data/Styles/Default.style"), homeFile(QStringLiteral("Styles/Default.style")));
        writeAll(homeFile(QStringLiteral("conf/Blitz.lng")), keywordFileText({QStringLiteral("Print")}));
        QDir().mkpath(homeFile(QStringLiteral("work")));
        writeAll(homeFile(QStringLiteral("work/a.bb")), "Print 1\r\n");
    }

    static QString setting(const char* section, const char* key) {
        return platform::GetSetting(QLatin1String(section), QLatin1String(key));
    }
};

}

// A start and an exit write the settings file once each: the start-up and
// the shutdown each gather their settings (and the instance handle) into
// one write. What the panels keep comes back, and a second start in between
// still hands its file to the running instance.
TEST_F(SettingsWritesTest, AStartAndAnExitWriteTheSettingsOnceEachAndKeepThem) {
    platform::SaveSetting(QStringLiteral("FileExSettings"), QStringLiteral("LastPath"), homeFile(QStringLiteral("work")));
    platform::SaveSetting(QStringLiteral("Options"), QStringLiteral("LastSelectedTabDirs"), QStringLiteral("1"));
    platform::SaveSetting(QStringLiteral("UISettings"), QStringLiteral("CodeExCol1"), QStringLiteral("3000"));
    SettingsFileWrites writes(QFileInfo(platform::settingsFilePath()).path());
    ASSERT_TRUE(writes.watching());

    KorvoStart running;
    ASSERT_TRUE(waitFor([&] { return writes.count() >= 1 || running.process.state() == QProcess::NotRunning; }));
    ASSERT_EQ(running.process.state(), QProcess::Running) << running.process.readAllStandardError().toStdString();
    EXPECT_EQ(setting("Instance", "Handle"), QString::number(running.process.processId()));

    KorvoStart second({homeFile(QStringLiteral("work/a.bb"))});
    EXPECT_TRUE(second.ends()) << second.process.readAllStandardError().toStdString();
    ASSERT_TRUE(running.endsOnTerm()) << running.process.readAllStandardError().toStdString();
    const QByteArray said = running.process.readAllStandardError();
    EXPECT_FALSE(said.contains("korvo prompt")) << said.toStdString();

    EXPECT_EQ(writes.count(), 2);
    EXPECT_EQ(setting("Instance", "Handle"), QStringLiteral("0"));
    EXPECT_EQ(setting("RecentFilenames", "1"), homeFile(QStringLiteral("work/a.bb")));
    EXPECT_EQ(setting("FileExSettings", "LastPath"), QDir::toNativeSeparators(homeFile(QStringLiteral("work"))));
    EXPECT_EQ(setting("Options", "LastSelectedTabDirs"), QStringLiteral("1"));
    EXPECT_EQ(setting("UISettings", "CodeExCol1"), QStringLiteral("3000"));
    EXPECT_FALSE(platform::GetSetting(LayoutSectionName(0), QStringLiteral("MainState")).isEmpty());
}
