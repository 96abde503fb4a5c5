#include "build/UserLibraries.h"

#include "foundation/FileHelpers.h"
#include "platform/AnsiText.h"
#include "platform/AtomicFileWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kEnabled = QStringLiteral(".DECLS");
const QString kDisabled = QStringLiteral(".DISABLED");

// On a file system that tells letter case apart, a name differing only in
// case is another file, and the compiler would read both.
bool nameTaken(const QString& folder, const QString& name, const QString& except) {
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& present : names)
        if (present != except && present.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

}

QString UserlibsFolder(const QString& compilerPath) {
    return FixDoubleBackslash(compilerPath + QStringLiteral("/userlibs"));
}

QList<UserLibrary> ListUserLibraries(const QString& folder) {
    QList<UserLibrary> libraries;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        if (GetExtension(name) == kEnabled)
            libraries.append({name.chopped(kEnabled.size()), name, true});
        else if (GetExtension(name) == kDisabled && GetExtension(name.chopped(kDisabled.size())) == kEnabled)
            libraries.append({name.chopped(kEnabled.size() + kDisabled.size()), name, false});
    }
    return libraries;
}

bool SwitchUserLibrary(const QString& folder, UserLibrary& library, bool ticked, QString& failure) {
    if (library.ticked == ticked)
        return true;
    const QString newName = ticked ? library.text + QStringLiteral(".decls") : library.fileName + kDisabled;
    const QString from = folder + QLatin1Char('/') + library.fileName;
    const QString to = folder + QLatin1Char('/') + newName;
    if (QFileInfo::exists(from)) {
        if (nameTaken(folder, newName, library.fileName)) {
            failure = QStringLiteral("Can not rename ") + from + QStringLiteral(": a file named ") + newName
                + QStringLiteral(" already exists");
            return false;
        }
        QFile file(from);
        if (!file.rename(to)) {
            failure = QStringLiteral("Can not rename ") + from + QStringLiteral(" to ") + newName + QStringLiteral(": ")
                + file.errorString();
            return false;
        }
    }
    library.fileName = newName;
    library.ticked = ticked;
    return true;
}

DeclarationText ReadDeclarationText(const QString& path) {
    QByteArray bytes;
    platform::readFileBytes(path, bytes);
    DeclarationText declarations;
    declarations.crlf = bytes.contains("\r\n") || !bytes.contains('\n');
    declarations.text = platform::fromAnsi(bytes);
    declarations.text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return declarations;
}

bool WriteDeclarationText(const QString& path, const DeclarationText& declarations) {
    QString text = declarations.text;
    if (declarations.crlf)
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return platform::writeFileBytesAtomically(path, platform::toAnsi(text));
}
