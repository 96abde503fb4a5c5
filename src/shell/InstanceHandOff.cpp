#include "shell/InstanceHandOff.h"

#include "platform/SettingsStore.h"
#include "shell/frmMain.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kSection = QStringLiteral("Instance");
const QString kKey = QStringLiteral("Handle");
constexpr char kAnswer = 'K';
// Far beyond any command line; a longer frame is not from Korvo.
constexpr quint32 kLongestMessage = 1 << 20;

qint64 storedHandle() {
    return platform::GetSetting(kSection, kKey, QStringLiteral("0")).trimmed().toLongLong();
}

QByteArray framed(const QString& message) {
    const QByteArray bytes = message.toUtf8();
    QByteArray frame;
    QDataStream out(&frame, QIODevice::WriteOnly);
    out << quint32(bytes.size());
    return frame + bytes;
}

// A folder that only this user can enter: its own, not a link, no access
// for anyone else.
bool isPrivateFolder(const QString& path) {
    struct stat info {};
    return !path.isEmpty() && lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode)
        && info.st_uid == getuid() && (info.st_mode & 077) == 0;
}

QString settingsDigest() {
    const QByteArray settings = QFileInfo(platform::settingsFilePath()).absoluteFilePath().toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(settings, QCryptographicHash::Sha1).toHex().left(16));
}

bool processAlive(qint64 processId) {
    return processId > 0 && (kill(pid_t(processId), 0) == 0 || errno == EPERM);
}

// The other end of a connected socket runs as this user.
bool peerIsThisUser(const QLocalSocket& socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == getuid();
}

}

QString InstanceSocketFolder() {
    // Qt's runtime location is $XDG_RUNTIME_DIR, or a folder of the user's
    // own in the temporary folder that it makes with mode 0700.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return isPrivateFolder(folder) ? folder : QString();
}

QString InstanceServerName(qint64 processId) {
    const QString folder = InstanceSocketFolder();
    if (folder.isEmpty())
        return QString();
    return folder + QStringLiteral("/korvo-%1-%2").arg(settingsDigest()).arg(processId);
}

void RemoveStaleInstanceSockets() {
    const QString folder = InstanceSocketFolder();
    if (folder.isEmpty())
        return;
    const QRegularExpression ours(QStringLiteral("^korvo-%1-(\\d+)$").arg(settingsDigest()));
    for (const QFileInfo& entry : QDir(folder).entryInfoList(QDir::System | QDir::Files)) {
        const QRegularExpressionMatch match = ours.match(entry.fileName());
        if (match.hasMatch() && !processAlive(match.captured(1).toLongLong()))
            QFile::remove(entry.filePath());
    }
}

void ClaimInstanceHandle() {
    platform::SaveSetting(kSection, kKey, QString::number(QCoreApplication::applicationPid()));
}

void ReleaseInstanceHandle() {
    if (storedHandle() == QCoreApplication::applicationPid())
        platform::SaveSetting(kSection, kKey, QStringLiteral("0"));
}

InstanceLock::InstanceLock() {
    const QString path = platform::settingsFilePath() + QStringLiteral(".lock");
    QDir().mkpath(QFileInfo(path).absolutePath());
    lock_ = std::make_unique<QLockFile>(path);
    lock_->setStaleLockTime(0);
    held_ = lock_->tryLock(0);
}

bool InstanceLock::holderRunning() const {
    qint64 holder = 0;
    QString host;
    QString application;
    return !held_ && lock_->getLockInfo(&holder, &host, &application) && processAlive(holder);
}

void InstanceLock::takeOver(int timeoutMs) {
    if (!held_)
        held_ = lock_->tryLock(timeoutMs);
}

namespace {

// Connects to the instance of the handle; false when it does not listen.
bool connectTo(QLocalSocket& socket, qint64 handle) {
    const QString server = InstanceServerName(handle);
    if (handle == 0 || server.isEmpty())
        return false;
    socket.connectToServer(server);
    return socket.waitForConnected(3000) && peerIsThisUser(socket);
}

}

bool HandOff(const QString& message, int reads, int intervalMs, const InstanceLock* lock, int holderWaitMs) {
    QElapsedTimer waiting;
    waiting.start();
    const auto holderStillStarting = [&] { return lock && waiting.elapsed() < holderWaitMs && lock->holderRunning(); };
    QLocalSocket socket;
    for (int i = 0;; ++i) {
        QCoreApplication::processEvents();
        const qint64 handle = storedHandle();
        if (handle != 0 && connectTo(socket, handle))
            break;
        socket.abort();
        if (i + 1 >= reads && !holderStillStarting())
            return false;
        QThread::msleep(intervalMs);
    }
    socket.write(framed(message));
    if (!socket.waitForBytesWritten(3000))
        return false;
    // The receiver may ask the user something before it answers: wait as
    // long as it is there.
    while (socket.bytesAvailable() == 0 && socket.state() == QLocalSocket::ConnectedState)
        socket.waitForReadyRead(1000);
    return socket.bytesAvailable() > 0 && socket.read(1) == QByteArray(1, kAnswer);
}

bool HandOffOrTakeOver(const QString& message, InstanceLock& lock) {
    // An instance on its way out ends soon after it stops listening.
    constexpr int kHolderEndMs = 5000;
    constexpr int kTakeOvers = 3;
    for (int attempt = 0; attempt < kTakeOvers; ++attempt) {
        if (HandOff(message, 31, 100, &lock))
            return true;
        lock.takeOver(kHolderEndMs);
        if (!lock.previousInstanceRunning())
            return false;
    }
    return false;
}

InstanceReceiver::InstanceReceiver(frmMain& window) : QObject(&window), window_(window) {
    RemoveStaleInstanceSockets();
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
    claim();
}

void InstanceReceiver::claim() {
    const QString name = InstanceServerName(QCoreApplication::applicationPid());
    if (!name.isEmpty() && !server_.isListening()) {
        QLocalServer::removeServer(name);
        server_.listen(name);
    }
    ClaimInstanceHandle();
}

void InstanceReceiver::release() {
    server_.close();
    ReleaseInstanceHandle();
}

// Serves every whole message that has come, one after the other, each
// answered once handled.
void InstanceReceiver::serve(QLocalSocket* socket) {
    while (socket->bytesAvailable() >= 4) {
        QDataStream in(socket->peek(4));
        quint32 length = 0;
        in >> length;
        if (length > kLongestMessage) {
            socket->abort();
            return;
        }
        if (socket->bytesAvailable() < 4 + qint64(length))
            return;
        socket->read(4);
        const QString message = QString::fromUtf8(socket->read(length));
        window_.Text1_Change(message);
        socket->write(QByteArray(1, kAnswer));
        socket->flush();
    }
}
