#include "DumpDocument.h"
#include "DumpCommand.h"
#include "../support/BuiltInKeywords.h"
#include "../support/HeadlessKorvo.h"

#include "editor/SciWrappers.h"
#include "editor/ActiveDocument.h"
#include "files/Project.h"
#include "foundation/FileHelpers.h"
#include "../support/OpenedDocument.h"
#include "language/parser/DocumentPasses.h"
#include "platform/AnsiText.h"


#include <algorithm>
#include <cstdio>

bool DumpDocument::open(const QString& path, const QString& Keywords, const std::function<void()>& beforeParse) {
    StartHeadlessKorvo();
    compiler_.Name = QStringLiteral("korvo-dump");
    if (!(Keywords.isEmpty() ? LoadBuiltInKeywords(compiler_) : compiler_.LoadKeywordsFrom(Keywords)))
        return false;
    compiler_.SetDefaultKeywords();
    path_ = CanonicalPath(path);
    if (beforeParse)
        beforeParse();
    doc_ = OpenSourceFile(path_);
    if (!doc_) {
        std::fprintf(stderr, "korvo-dump: cannot open %s\n", path_.toUtf8().constData());
        return false;
    }
    return true;
}

DumpDocument::~DumpDocument() = default;

ClsProject& DumpDocument::project() const {
    return *gProjects.Item(path_);
}

QString takeOption(QStringList& args, const QString& name, bool* missingValue) {
    const qsizetype at = args.indexOf(name);
    if (at < 0)
        return QString();
    if (at + 1 >= args.size()) {
        *missingValue = true;
        args.removeAt(at);
        return QString();
    }
    const QString value = args[at + 1];
    args.remove(at, 2);
    return value;
}

bool takeFlag(QStringList& args, const QString& name) {
    return args.removeAll(name) > 0;
}

int OpenAtCaret(DumpDocument& document, QStringList args, const char* mode) {
    bool missing = false;
    const QString keywords = takeOption(args, QStringLiteral("--lng"), &missing);
    if (args.size() != 2 || missing)
        return kWrongArguments;
    if (!document.open(args[0], keywords))
        return 1;
    const long caret = PositionOfLineColumn(args[1]);
    if (caret < 0) {
        std::fprintf(stderr, "korvo-dump %s: no position %s\n", mode, args[1].toUtf8().constData());
        return 2;
    }
    SciGotoPos(caret);
    return 0;
}

long PositionOfLineColumn(const QString& lineColumn) {
    const QStringList parts = lineColumn.split(QLatin1Char(':'));
    bool lineOk = false;
    bool columnOk = false;
    const long line = parts.size() == 2 ? parts[0].toLong(&lineOk) : -1;
    const long column = parts.size() == 2 ? parts[1].toLong(&columnOk) : -1;
    if (!lineOk || !columnOk || line < 0 || column < 0 || line >= SciGetLineCount())
        return -1;
    return SciPositionFromLine(line) + std::min(column, SciGetLineEndPosition(line) - SciPositionFromLine(line));
}
