#include "ProgramHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace {

void copyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const QFileInfo& entry : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir())
            copyFolder(entry.filePath(), target);
        else
            QFile::copy(entry.filePath(), target);
    }
}

QString scratchFolder() {
    static std::vector<std::unique_ptr<QTemporaryDir>> folders;
    folders.push_back(std::make_unique<QTemporaryDir>());
    return folders.back()->path();
}

}

void UseGivenOrScratchHome() {
    if (qEnvironmentVariableIsEmpty("KORVO_HOME")) {
        const QString home = scratchFolder();
        copyFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/conf"), home + QStringLiteral("/conf"));
        qputenv("KORVO_HOME", home.toUtf8());
    }
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"))
        qputenv("XDG_CONFIG_HOME", scratchFolder().toUtf8());
}
