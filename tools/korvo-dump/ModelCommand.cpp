#include "../support/HeadlessKorvo.h"
#include "DumpCommand.h"

#include "editor/ActiveDocument.h"
#include "editor/SciWrappers.h"
#include "files/Project.h"
#include "files/SingleFileDocument.h"
#include "language/keywords/Compiler.h"
#include "language/model/ModelDump.h"
#include "language/parser/DocumentPasses.h"
#include "platform/AnsiText.h"
#include "platform/scintilla/SciDirectCalls.h"

#include <QFileInfo>

#include <cstdio>

namespace {

// Enough of a keyword listing for the parser's statements and blocks.
const char* const kBuiltInKeywords[] = {
    "After", "And", "Before", "Case", "Const", "Data", "Default", "Delete", "Dim", "Each", "Else", "ElseIf",
    "End", "EndIf", "Exit", "False", "Field", "First", "Float", "For", "Forever", "Function", "Global",
    "Gosub", "Goto", "Handle", "If", "Include", "Insert", "Int", "Last", "Local", "Mod", "New", "Next",
    "Not", "Null", "Object", "Or", "Pi", "Print", "Read", "Repeat", "Restore", "Return", "Sar", "Select",
    "Shl", "Shr", "Step", "Stop", "Str", "Then", "To", "True", "Type", "Until", "Wend", "While", "Xor",
};

QByteArray builtInKeywords() {
    QByteArray text;
    for (const char* keyword : kBuiltInKeywords)
        text += QByteArray(keyword) + "\r\n";
    return text;
}

void printLines() {
    const long count = SciGetLineCount();
    for (long line = 0; line < count; ++line)
        printLine(QStringLiteral("line %1 fold 0x%2 markers 0x%3 indent %4")
                      .arg(line)
                      .arg(SciGetFoldLevel(line), 0, 16)
                      .arg(SciMarkerGet(line), 0, 16)
                      .arg(SciGetLineIndentation(line)));
}

int dumpModel(const QStringList& args) {
    if (args.size() != 1 && !(args.size() == 3 && args[1] == QLatin1String("--lng"))) {
        std::fprintf(stderr, "korvo-dump --model: FILE.bb [--lng KEYWORDS]\n");
        return 2;
    }
    StartHeadlessKorvo();

    ClsCompiler compiler;
    compiler.Name = QStringLiteral("korvo-dump");
    const bool loaded = args.size() == 3 ? compiler.LoadKeywordsFrom(args[2]) : compiler.LoadKeywordsFromText(builtInKeywords());
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
    for (const QString& line : DumpModel(gProjects.Item(path)->Model, *doc))
        printLine(line);
    printLines();
    CloseSingleFileDocument(std::move(doc));
    return 0;
}

const DumpCommand modelCommand("--model", "FILE.bb [--lng KEYWORDS]   the code model, then each line's fold level, markers, indentation",
                               dumpModel);

}
