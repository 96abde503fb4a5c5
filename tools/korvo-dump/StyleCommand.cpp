#include "DumpCommand.h"
#include "StyleText.h"
#include "../support/HeadlessKorvo.h"
#include "../support/ProgramHome.h"

#include "platform/AnsiText.h"
#include "platform/SettingsStore.h"
#include "settings/StyleFile.h"
#include "settings/StyleStore.h"
#include "vocabulary/ColorStyle.h"
#include "vocabulary/SettingsValues.h"

#include <QFileInfo>

#include <cstdio>

namespace {

// FILE.style as its text form.
int dumpStyle(const QStringList& args) {
    if (args.size() != 1)
        return kWrongArguments;
    const std::optional<StyleFileContent> content = ReadStyleFile(args[0]);
    if (!content)
        return 1;
    for (const QString& line : StyleTextLines(*content))
        printLine(line);
    return 0;
}

// A text form as --style prints it, written as Korvo's style writer writes it.
int writeStyle(const QStringList& args) {
    if (args.size() != 2)
        return kWrongArguments;
    QByteArray text;
    if (!platform::readFileBytes(args[0], text)) {
        std::fprintf(stderr, "korvo-dump --write-style: %s\n", platform::fileReadFailure(args[0]).toUtf8().constData());
        return 1;
    }
    QString problem;
    const std::optional<StyleFileContent> content = ParseStyleText(QString::fromUtf8(text), problem);
    if (!content) {
        std::fprintf(stderr, "korvo-dump --write-style: %s\n", problem.toUtf8().constData());
        return 1;
    }
    StartHeadlessKorvo();
    gColorStyle = content->style;
    return SaveStyleTo(QFileInfo(args[1]).absoluteFilePath(), content->description) ? 0 : 1;
}

// Korvo's start-up load of the style NAME in the program folder.
int loadStyle(const QStringList& args) {
    if (args.size() != 1)
        return kWrongArguments;
    RunFolders folders;
    if (!folders.prepare()) {
        std::fprintf(stderr, "korvo-dump --load-style: cannot prepare a program folder\n");
        return 1;
    }
    StartHeadlessKorvo();
    const QString result = LoadStyle(args[0]);
    printLine(QStringLiteral("result:") + result);
    printLine(QStringLiteral("SciStyleName:") + platform::GetSetting(QStringLiteral("OptionsEdit"), QStringLiteral("SciStyleName")));
    for (const QString& line : StyleTextLines({gColorStyle, gStyleDescription}))
        printLine(line);
    return 0;
}

const DumpCommand styleCommand("--style", "FILE.style", dumpStyle);
const DumpCommand writeStyleCommand("--write-style", "TEXT OUT.style", writeStyle);
const DumpCommand loadStyleCommand("--load-style", "NAME", loadStyle);

}
