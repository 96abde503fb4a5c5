#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

QString programFolder() {
    QString home = qEnvironmentVariable("KORVO_HOME");
    if (home.isEmpty())
        home = QCoreApplication::applicationDirPath();
    while (home.size() > 1 && home.endsWith(QLatin1Char('/')))
        home.chop(1);
    return home;
}

QString programSubfolder(const QString& name) {
    return programFolder() + QLatin1Char('/') + name;
}

}
