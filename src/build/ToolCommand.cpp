#include "build/ToolCommand.h"

#include <QProcess>

namespace {

bool isSeparator(QChar c) {
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

// One pass from left to right: a value put in is never searched for macros
// again, so a file named "%LastExe%.bb" reaches the tool as it is named.
QString expandMacros(const QString& word, const ToolMacroValues& values) {
    struct Macro {
        QLatin1StringView name;
        const QString* value;
    };
    QList<Macro> macros;
    if (values.documentActive)
        macros = {{QLatin1StringView("%Activefile%"), &values.activeFile},
                  {QLatin1StringView("%ActivefileDir%"), &values.activeFileDir},
                  {QLatin1StringView("%ProjectDir%"), &values.projectDir}};
    macros.append({QLatin1StringView("%LastExe%"), &values.lastExe});
    macros.append({QLatin1StringView("%KorvoDir%"), &values.korvoDir});

    QString expanded;
    qsizetype at = 0;
    while (at < word.size()) {
        const Macro* found = nullptr;
        if (word[at] == QLatin1Char('%'))
            for (const Macro& macro : macros)
                if (QStringView(word).mid(at).startsWith(macro.name, Qt::CaseInsensitive)) {
                    found = &macro;
                    break;
                }
        if (found) {
            expanded += *found->value;
            at += found->name.size();
        } else {
            expanded += word[at++];
        }
    }
    return expanded;
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
