#include "platform/ShellOpen.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

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
    // A file that merely carries the executable bit (common on shared
    // drives) still opens as a document when it cannot be started.
    if (info.isFile() && info.isExecutable()
        && QProcess::startDetached(info.absoluteFilePath(), QProcess::splitCommand(r.parameters), r.folder))
        return ShellSuccess;
    if (!info.isReadable())
        return ShellAccessDenied;
    return openWithDesktop(QUrl::fromLocalFile(info.absoluteFilePath()));
}

}

void setShellHandler(ShellHandler handler) {
    installedHandler() = std::move(handler);
}

int shellExecute(const ShellRequest& request) {
    return installedHandler() ? installedHandler()(request) : desktopShellExecute(request);
}

}
