#include "platform/ShellOpen.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QUrl>

#include <array>

namespace platform {
namespace {

ShellHandler& installedHandler() {
    static ShellHandler handler;
    return handler;
}

bool isUrl(const QString& file) {
    const QUrl url(file, QUrl::StrictMode);
    return url.isValid() && url.scheme().size() > 1 && !url.isLocalFile();
}

int openWithDesktop(const QUrl& url) {
    return QDesktopServices::openUrl(url) ? ShellSuccess : ShellNoAssociation;
}

int desktopShellExecute(const ShellRequest& r) {
    if (isUrl(r.file))
        return openWithDesktop(QUrl(r.file));
    const QFileInfo info(r.file);
    if (!info.exists())
        return QFileInfo(info.absolutePath()).isDir() ? ShellFileNotFound : ShellPathNotFound;
    if (!info.isReadable() || desktopCouldStart(info.absoluteFilePath()))
        return ShellAccessDenied;
    return openWithDesktop(QUrl::fromLocalFile(info.absoluteFilePath()));
}

}

bool desktopCouldStart(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    static constexpr std::array kStartable{
        "application/x-executable",     "application/x-pie-executable", "application/x-sharedlib",
        "application/x-desktop",        "application/x-shellscript",    "application/x-ms-dos-executable",
        "application/x-msdownload",     "application/vnd.appimage",     "application/x-msi",
        "application/x-ms-shortcut",    "application/x-object",         "application/x-java-archive",
    };
    const QMimeType type = QMimeDatabase().mimeTypeForFile(info);
    for (const char* startable : kStartable)
        if (type.inherits(QLatin1String(startable)))
            return true;
    return info.isExecutable() && type.inherits(QStringLiteral("text/plain"));
}

void setShellHandler(ShellHandler handler) {
    installedHandler() = std::move(handler);
}

int shellExecute(const ShellRequest& request) {
    return installedHandler() ? installedHandler()(request) : desktopShellExecute(request);
}

}
