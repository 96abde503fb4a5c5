#include "DumpCommand.h"
#include "../support/HeadlessKorvo.h"

#include "aids/HotCodeStore.h"

#include <QFileInfo>

#include <cstdio>

namespace {

QString oneLine(QString value) {
    return value.replace(QLatin1Char('\r'), QStringLiteral("\\r")).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
}

// Loads FILE as Korvo loads conf/hotcodes.dat and prints the store; with
// --save, writes it to OUT as Korvo saves it.
int dumpHotCodes(const QStringList& args) {
    const bool save = args.size() == 3 && args[1] == QLatin1String("--save");
    if (args.size() != 1 && !save)
        return kWrongArguments;
    StartHeadlessKorvo();
    const QList<HotCodesFileError> errors = LoadHotCodesFrom(QFileInfo(args[0]).absoluteFilePath());
    const QList<HotCode> codes = HotCodesInStoreOrder();
    printLine(QStringLiteral("count ") + QString::number(codes.size()));
    for (const HotCode& code : codes)
        printLine(oneLine(code.Name) + QLatin1Char('|') + oneLine(code.Text));
    for (const HotCodesFileError& error : errors)
        std::fprintf(stderr, "LoadHotCodes: error %d: %s\n", error.number, error.description.toUtf8().constData());
    const bool saved = !save || SaveHotcodesTo(QFileInfo(args[2]).absoluteFilePath());
    return errors.isEmpty() && saved ? 0 : 1;
}

const DumpCommand hotCodesCommand("--hotcodes", "FILE [--save OUT]", dumpHotCodes);

}
