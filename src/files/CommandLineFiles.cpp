#include "files/CommandLineFiles.h"

#include "editor/SciWrappers.h"
#include "files/OpenDocuments.h"
#include "foundation/FileHelpers.h"
#include "foundation/NumberHelpers.h"
#include "foundation/errors/ErrorLog.h"

namespace {

bool isLineSwitch(const QString& piece) {
    return piece.trimmed().toUpper().startsWith(QLatin1String("/L:"));
}

QString unquoted(QString piece) {
    if (piece.startsWith(QLatin1Char('"')))
        piece.remove(0, 1);
    if (piece.endsWith(QLatin1Char('"')))
        piece.chop(1);
    return piece;
}

}

QStringList ResolveCommandLine(const QStringList& pieces, const QDir& base) {
    QStringList resolved;
    QString candidate;
    bool joining = false;
    for (const QString& piece : pieces) {
        if (!joining)
            candidate = piece;
        else if (candidate.size() <= kLongestPath)
            candidate += QLatin1Char(' ') + piece;
        else
            continue;  // too long to name anything, however much more joins it
        joining = false;
        if (isLineSwitch(candidate)) {
            resolved.append(candidate);
            continue;
        }
        const QString path = candidate.isEmpty() ? QString() : CanonicalPath(base.absoluteFilePath(candidate));
        if (PathExists(path))
            resolved.append(path);
        else
            joining = true;
    }
    return resolved;
}

QString JoinCommandLine(const QStringList& arguments) {
    QStringList parts;
    for (QString argument : ResolveCommandLine(arguments, QDir::current())) {
        if (argument.contains(QLatin1Char(' ')))
            argument = QLatin1Char('"') + argument + QLatin1Char('"');
        parts.append(argument);
    }
    return parts.join(QLatin1Char(' '));
}

void OpenFilesFromCommand(const QString& commandLine) {
    try {
        QStringList pieces;
        for (const QString& piece : commandLine.split(QLatin1Char(' ')))
            pieces.append(unquoted(piece));
        long line = 0;
        for (const QString& item : ResolveCommandLine(pieces, QDir::current())) {
            if (isLineSwitch(item))
                line = LeadingNumber(item.trimmed().mid(3));
            else if (OpenFile(item) && line > 0)
                SciGotoLine(line - 1);
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("OpenFilesFromCommand"), QStringLiteral("Mod_File"));
    }
}
