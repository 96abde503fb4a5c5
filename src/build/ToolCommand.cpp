#include "build/ToolCommand.h"

#include <QProcess>

namespace {

bool isSeparator(QChar c) {
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

QString expandMacros(QString word, const ToolMacroValues& values) {
    if (values.documentActive) {
        word.replace(QStringLiteral("%Activefile%"), values.activeFile, Qt::CaseInsensitive);
        word.replace(QStringLiteral("%ActivefileDir%"), values.activeFileDir, Qt::CaseInsensitive);
        word.replace(QStringLiteral("%ProjectDir%"), values.projectDir, Qt::CaseInsensitive);
    }
    word.replace(QStringLiteral("%LastExe%"), values.lastExe, Qt::CaseInsensitive);
    word.replace(QStringLiteral("%KorvoDir%"), values.korvoDir, Qt::CaseInsensitive);
    return word;
}

QString joinedProgram(const QString& directory, const QString& command) {
    if (directory.isEmpty())
        return command;
    qsizetype folderEnd = directory.size();
    while (folderEnd > 0 && isSeparator(directory[folderEnd - 1]))
        --folderEnd;
    qsizetype commandStart = 0;
    while (commandStart < command.size() && isSeparator(command[commandStart]))
        ++commandStart;
    return directory.left(folderEnd) + QLatin1Char('/') + command.mid(commandStart);
}

QString quotedWhereBlank(const QString& word) {
    return word.contains(QLatin1Char(' ')) || word.contains(QLatin1Char('\t')) ? QLatin1Char('"') + word + QLatin1Char('"')
                                                                              : word;
}

}

platform::ChildProcess ToolCommand(const clsExTool& tool, const ToolMacroValues& values) {
    QStringList words;
    for (const QString& typed : QProcess::splitCommand(tool.Parameters)) {
        const QString word = expandMacros(typed, values);
        if (!word.isEmpty())
            words.append(word);
    }
    platform::ChildProcess command;
    command.program = joinedProgram(expandMacros(tool.Path, values), words.isEmpty() ? QString() : words.takeFirst());
    command.arguments = words;
    return command;
}

QString ToolCommandText(const platform::ChildProcess& command) {
    QStringList words{quotedWhereBlank(command.program)};
    for (const QString& argument : command.arguments)
        words.append(quotedWhereBlank(argument));
    return words.join(QLatin1Char(' '));
}
