#include "ProgramHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool copyFolder(const QString& from, const QString& to) {
    if (!QDir().mkpath(to))
        return false;
    const QDir source(from);
    for (const QString& name : source.entryList(QDir::Files))
        if (!QFile::copy(source.filePath(name), to + QLatin1Char('/') + name))
            return false;
    return true;
}

}

bool RunFolders::prepare() {
    if (qEnvironmentVariableIsEmpty("KORVO_HOME")) {
        home = std::make_unique<QTemporaryDir>();
        if (!home->isValid())
            return false;
        for (const QString& folder : {QStringLiteral("conf"), QStringLiteral("Styles")}) {
            const QString from = QCoreApplication::applicationDirPath() + QLatin1Char('/') + folder;
            if ((folder == QLatin1String("conf") || QFileInfo::exists(from)) && !copyFolder(from, home->filePath(folder)))
                return false;
        }
        qputenv("KORVO_HOME", QFile::encodeName(home->path()));
    }
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME")) {
        config = std::make_unique<QTemporaryDir>();
        if (!config->isValid())
            return false;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config->path()));
    }
    return true;
}
