#include "DumpCommand.h"
#include "../support/BuiltInKeywords.h"
#include "../support/HeadlessKorvo.h"
#include "../support/ModelDump.h"

#include "files/OpenProjects.h"
#include "files/SingleFileDocument.h"
#include "language/keywords/Compiler.h"
#include "language/parser/DocumentPasses.h"
#include "platform/AnsiText.h"

#include <QFileInfo>

#include <cstdio>

namespace {

int dumpModel(const QStringList& args) {
    if (args.size() != 1 && !(args.size() == 3 && args[1] == QLatin1String("--lng")))
        return kWrongArguments;
    StartHeadlessKorvo();

    ClsCompiler compiler;
    compiler.Name = QStringLiteral("korvo-dump");
    const bool loaded = args.size() == 3 ? compiler.LoadKeywordsFrom(args[2]) : LoadBuiltInKeywords(compiler);
    if (!loaded)
        return 1;
    compiler.SetDefaultKeywords();

    QByteArray text;
    const QString path = QFileInfo(args[0]).absoluteFilePath();
    if (!platform::readFileBytes(path, text)) {
        std::fprintf(stderr, "korvo-dump --model: cannot read %s\n", path.toUtf8().constData());
        return 1;
    }
    std::unique_ptr<frmDoc> doc = OpenSingleFileDocument(path, text);
    ParseFile();
    DumpModel(*gProjects.Item(path), *doc, printLine);
    CloseSingleFileDocument(std::move(doc));
    return 0;
}

const DumpCommand modelCommand("--model", "FILE.bb [--lng KEYWORDS]   the code model, then each line's fold level, markers, indentation",
                               dumpModel);

}
