#include "DumpDocument.h"
#include "../support/HeadlessKorvo.h"

#include "editor/SciWrappers.h"
#include "editor/ActiveDocument.h"
#include "files/Project.h"
#include "files/SingleFileDocument.h"
#include "language/parser/DocumentPasses.h"
#include "platform/AnsiText.h"

#include <QFileInfo>

#include <algorithm>
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

}

bool DumpDocument::open(const QString& path, const QString& Keywords, const std::function<void()>& beforeParse) {
    StartHeadlessKorvo();
    compiler_.Name = QStringLiteral("korvo-dump");
    if (!(Keywords.isEmpty() ? compiler_.LoadKeywordsFromText(builtInKeywords()) : compiler_.LoadKeywordsFrom(Keywords)))
        return false;
    compiler_.SetDefaultKeywords();
    QByteArray text;
    path_ = QFileInfo(path).absoluteFilePath();
    if (!platform::readFileBytes(path_, text)) {
        std::fprintf(stderr, "korvo-dump: cannot read %s\n", path_.toUtf8().constData());
        return false;
    }
    doc_ = OpenSingleFileDocument(path_, text);
    if (beforeParse)
        beforeParse();
    ParseFile();
    return true;
}

DumpDocument::~DumpDocument() {
    if (doc_)
        CloseSingleFileDocument(std::move(doc_));
}

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
