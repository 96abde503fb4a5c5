#include "shell/InstanceHandOff.h"

#include "platform/SettingsStore.h"
#include "shell/frmMain.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

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

}

QString InstanceServerName(qint64 processId) {
    const QByteArray settings = QFileInfo(platform::settingsFilePath()).absoluteFilePath().toUtf8();
    const QByteArray digest = QCryptographicHash::hash(settings, QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("korvo-%1-%2").arg(QString::fromLatin1(digest)).arg(processId);
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

bool HandOff(const QString& message, int reads, int intervalMs) {
    qint64 handle = 0;
    for (int i = 0; i < reads && handle == 0; ++i) {
        QCoreApplication::processEvents();
        handle = storedHandle();
        if (handle == 0 && i + 1 < reads)
            QThread::msleep(intervalMs);
    }
    if (handle == 0)
        return false;
    QLocalSocket socket;
    socket.connectToServer(InstanceServerName(handle));
    if (!socket.waitForConnected(3000))
        return false;
    socket.write(framed(message));
    if (!socket.waitForBytesWritten(3000))
        return false;
    // The receiver may ask the user something before it answers: wait as
    // long as it is there.
    while (socket.bytesAvailable() == 0 && socket.state() == QLocalSocket::ConnectedState)
        socket.waitForReadyRead(1000);
    return socket.bytesAvailable() > 0 && socket.read(1) == QByteArray(1, kAnswer);
}

InstanceReceiver::InstanceReceiver(frmMain& window) : QObject(&window), window_(window) {
    const QString name = InstanceServerName(QCoreApplication::applicationPid());
    QLocalServer::removeServer(name);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(name);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
    ClaimInstanceHandle();
}

void InstanceReceiver::serve(QLocalSocket* socket) {
    if (socket->bytesAvailable() < 4)
        return;
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
