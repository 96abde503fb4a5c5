#include "files/CommandLineFiles.h"

#include "editor/SciWrappers.h"
#include "files/OpenDocuments.h"
#include "foundation/FileHelpers.h"
#include "foundation/NumberHelpers.h"
#include "foundation/errors/ErrorLog.h"

#include <QStringDecoder>

namespace {

bool isLineSwitch(const QString& piece) {
    return piece.trimmed().toUpper().startsWith(QLatin1String("/L:"));
}

QStringView unquoted(QStringView piece) {
    if (piece.startsWith(QLatin1Char('"')))
        piece = piece.mid(1);
    if (piece.endsWith(QLatin1Char('"')))
        piece.chop(1);
    return piece;
}

// Takes the pieces one at a time, so that a long command line is never held
// twice over.
class PieceJoiner {
public:
    explicit PieceJoiner(const QDir& base) : base_(base) {}

    void add(QStringView piece) {
        if (!joining_)
            candidate_ = piece.toString();
        else if (candidate_.size() <= kLongestPath)
            candidate_.append(QLatin1Char(' ')).append(piece);
        else
            return;  // too long to name anything, however much more joins it
        joining_ = false;
        if (isLineSwitch(candidate_)) {
            resolved_.append(candidate_);
            return;
        }
        // Links are kept as named: what a name opens as is judged on the name
        // the user gave, and OpenFile finds the file it names.
        const QString path = candidate_.isEmpty() ? QString() : QDir::cleanPath(base_.absoluteFilePath(candidate_));
        if (PathExists(path))
            resolved_.append(path);
        else
            joining_ = true;
    }

    const QStringList& resolved() const { return resolved_; }

private:
    const QDir& base_;
    QString candidate_;
    bool joining_ = false;
    QStringList resolved_;
};

}

QStringList ResolveCommandLine(const QStringList& pieces, const QDir& base) {
    PieceJoiner joiner(base);
    for (const QString& piece : pieces)
        joiner.add(piece);
    return joiner.resolved();
}

QStringList ReadableArguments(const QList<QByteArray>& arguments, QStringList& unreadable) {
    QStringList readable;
    for (const QByteArray& argument : arguments) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8.decode(argument);
        if (!utf8.hasError()) {
            readable.append(text);
            continue;
        }
        QString bytes;
        for (const char c : argument) {
            const auto byte = static_cast<unsigned char>(c);
            bytes += byte >= 0x20 && byte < 0x7F && byte != '\\' ? QString(QLatin1Char(c))
                                                                  : QStringLiteral("\\x") + QString::number(byte, 16).toUpper().rightJustified(2, QLatin1Char('0'));
        }
        unreadable.append(bytes);
    }
    return readable;
}

QString UnreadableNamesMessage(const QStringList& unreadable) {
    return QStringLiteral("The name of this file cannot be read (it is no UTF-8 text), so it cannot be opened:\r\n") +
           unreadable.join(QStringLiteral("\r\n"));
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
        const QDir here = QDir::current();
        PieceJoiner joiner(here);
        for (QStringView piece : qTokenize(commandLine, QLatin1Char(' ')))
            joiner.add(unquoted(piece));
        long line = 0;
        for (const QString& item : joiner.resolved()) {
            if (isLineSwitch(item))
                line = LeadingNumber(item.trimmed().mid(3));
            else if (OpenFile(item) && line > 0)
                SciGotoLine(line - 1);
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("OpenFilesFromCommand"), QStringLiteral("Mod_File"));
    }
}
