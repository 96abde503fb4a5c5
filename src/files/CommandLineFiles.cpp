#include "files/CommandLineFiles.h"

#include "editor/SciWrappers.h"
#include "files/OpenDocuments.h"
#include "foundation/FileHelpers.h"
#include "foundation/errors/ErrorLog.h"

#include <QRegularExpression>

#include <cmath>

namespace {

bool isLineSwitch(const QString& piece) {
    return piece.trimmed().toUpper().startsWith(QLatin1String("/L:"));
}

// The number at the start of the switch's value, as far as it goes, rounded.
long switchLine(const QString& piece) {
    static const QRegularExpression leadingNumber(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)"));
    const QRegularExpressionMatch match = leadingNumber.match(piece.trimmed().mid(3));
    return match.hasMatch() ? std::lround(match.captured(0).trimmed().toDouble()) : 0;
}

QString unquoted(QString piece) {
    if (piece.startsWith(QLatin1Char('"')))
        piece.remove(0, 1);
    if (piece.endsWith(QLatin1Char('"')))
        piece.chop(1);
    return piece;
}

}

QStringList ResolveCommandLine(QStringList pieces, const QDir& base) {
    QStringList resolved;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (isLineSwitch(pieces[i])) {
            resolved.append(pieces[i]);
            continue;
        }
        const QString path = pieces[i].isEmpty() ? QString() : base.absoluteFilePath(pieces[i]);
        if (PathExists(path))
            resolved.append(path);
        else if (i + 1 < pieces.size())
            pieces[i + 1] = pieces[i] + QLatin1Char(' ') + pieces[i + 1];
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
                line = switchLine(item);
            else if (OpenFile(item) && line > 0)
                SciGotoLine(line - 1);
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("OpenFilesFromCommand"), QStringLiteral("Mod_File"));
    }
}
