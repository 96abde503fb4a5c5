#include "display/KorvoProcess.h"

#include "display/DisplayInput.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace {

// A property of a window as xprop prints it.
QByteArray windowProperty(const QString& window, const char* name) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QLatin1String(name)});
    xprop.waitForFinished(30000);
    return xprop.readAllStandardOutput();
}

}

KorvoProcess::KorvoProcess(const QString& workingFolder, const QStringList& arguments) {
    process_.setWorkingDirectory(workingFolder);
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start(QStringLiteral(KORVO_BINARY), arguments);
    EXPECT_TRUE(process_.waitForStarted(30000)) << process_.errorString().toStdString();
}

KorvoProcess::~KorvoProcess() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(30000);
    }
}

bool KorvoProcess::waitForMainWindow() {
    const QString pid = QString::number(process_.processId());
    // The splash is a window of the process too; the main window is its normal one.
    const auto findMain = [this, pid] {
        if (process_.state() == QProcess::NotRunning)
            return true;
        const QStringList windows = display::xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                      QStringLiteral("--pid"), pid}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString& window : windows) {
            // Qt names the splash a normal window too, after its own type.
            const QByteArray types = windowProperty(window, "_NET_WM_WINDOW_TYPE");
            if (types.contains("_NET_WM_WINDOW_TYPE_NORMAL") && !types.contains("_NET_WM_WINDOW_TYPE_SPLASH")) {
                window_ = window;
                return true;
            }
        }
        return false;
    };
    return display::waitFor(findMain, 60000) && !window_.isEmpty() && process_.state() == QProcess::Running;
}

QRect KorvoProcess::clientGeometry() const {
    // xwininfo's position is the client's own on the screen; xdotool's counts a reparented window's offset twice.
    QProcess xwininfo;
    xwininfo.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window_});
    xwininfo.waitForFinished(30000);
    QRect geometry;
    for (const QString& line : QString::fromLatin1(xwininfo.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        const QString name = line.section(QLatin1Char(':'), 0, 0).trimmed();
        const int value = line.section(QLatin1Char(':'), 1).trimmed().toInt();
        if (name == QLatin1String("Absolute upper-left X"))
            geometry.moveLeft(value);
        else if (name == QLatin1String("Absolute upper-left Y"))
            geometry.moveTop(value);
        else if (name == QLatin1String("Width"))
            geometry.setWidth(value);
        else if (name == QLatin1String("Height"))
            geometry.setHeight(value);
    }
    return geometry;
}

QRect KorvoProcess::frameGeometry() const {
    // "_NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom"; none before the window manager framed the window.
    const QList<QByteArray> extents = windowProperty(window_, "_NET_FRAME_EXTENTS").split('=').value(1).split(',');
    if (extents.size() != 4)
        return {};
    return clientGeometry().marginsAdded(
        QMargins(extents[0].trimmed().toInt(), extents[2].trimmed().toInt(), extents[1].trimmed().toInt(), extents[3].trimmed().toInt()));
}

bool KorvoProcess::closeAndWait() {
    QElapsedTimer sinceRequest;
    // Asked again every few seconds until the process ends, in case a close
    // comes while Korvo cannot take it yet.
    const auto ended = [this, &sinceRequest] {
        if (process_.state() == QProcess::NotRunning)
            return true;
        if (!window_.isEmpty() && (!sinceRequest.isValid() || sinceRequest.elapsed() > 2000)) {
            display::xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window_});
            display::xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QStringLiteral("alt+F4")});
            sinceRequest.start();
        }
        return false;
    };
    if (!display::waitFor(ended, 60000))
        ADD_FAILURE() << "korvo did not end; the screen is in " << display::saveShot(QStringLiteral("korvo-did-not-end")).toStdString();
    return process_.state() == QProcess::NotRunning && process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
}

bool KorvoProcess::endsByItself(int timeoutMs) {
    display::waitFor([this] { return process_.state() == QProcess::NotRunning; }, timeoutMs);
    return process_.state() == QProcess::NotRunning && process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
}

QString KorvoProcess::report() {
    return QStringLiteral("%1 %2, errors: %3")
        .arg(process_.exitStatus() == QProcess::NormalExit ? QStringLiteral("exit code") : QStringLiteral("crashed,"))
        .arg(process_.exitCode())
        .arg(QString::fromLocal8Bit(process_.readAllStandardError()));
}
