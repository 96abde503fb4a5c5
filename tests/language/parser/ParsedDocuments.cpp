#include "language/parser/ParsedDocuments.h"

#include "editor/CurrentView.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "editor/SciWrappers.h"
#include "editor/ActiveDocument.h"
#include "files/Project.h"
#include "files/SingleFileDocument.h"
#include "language/model/DeclarationRecords.h"
#include "language/parser/DocumentPasses.h"
#include "language/lexer/InitScintillaAndCharTables.h"
#include "language/keywords/KeywordFiles.h"
#include "language/parser/ParseState.h"
#include "language/parser/Parser.h"
#include "platform/ProgramFolder.h"
#include "vocabulary/SettingsValues.h"

#include <QDir>

#include <algorithm>

namespace {

const QStringList kStatementKeywords = {
    "Global", "Local", "Dim", "Const", "Include", "Stop", "Print", "Goto", "Gosub", "Return", "Exit",
    "New", "Each", "Data", "True", "False", "Null", "Str", "Int", "Float", "And", "Or", "Not", "Mod",
    "Step", "To", "Insert", "Delete", "First", "Last", "Before", "After", "Object", "Handle", "Pi",
};

QString describe(const CodeRecord& record) {
    if (const auto* typed = dynamic_cast<const TypedRecord*>(&record)) {
        QString text = DeclarationDisplayName(*typed) + typed->ArraySize;
        if (typed->IsBBArray)
            text += QStringLiteral(" array");
        if (const auto* function = dynamic_cast<const ClsFunkcija*>(typed))
            text += QStringLiteral(" (%1) \"%2\"").arg(function->VlezNum).arg(function->Help);
        return text;
    }
    return record.Ime;
}

void snapshotTable(QStringList& lines, const QString& table, const QList<CodeRecordPtr>& records) {
    QStringList entries;
    for (const CodeRecordPtr& record : records)
        if (record && record->Ime != kMainProgram)
            entries << QStringLiteral("%1 %2 line %3 %4")
                           .arg(table, describe(*record))
                           .arg(SciMarkerLineFromHandle(record->SciWndData, record->Handle))
                           .arg(record->File);
    entries.sort();
    lines += entries;
}

}

QStringList modelSnapshot(const CodeModel& project, const frmDoc& doc) {
    QStringList lines;
    snapshotTable(lines, QStringLiteral("function"), project.Funkcii.Items());
    for (const CodeRecordPtr& record : project.Funkcii.Items())
        if (auto function = std::dynamic_pointer_cast<ClsFunkcija>(record))
            snapshotTable(lines, QStringLiteral("local of ") + function->Ime, function->Locals->Items());
    snapshotTable(lines, QStringLiteral("global"), project.Globals.Items());
    snapshotTable(lines, QStringLiteral("type"), project.Types.Items());
    for (const CodeRecordPtr& record : project.Types.Items())
        if (auto type = std::dynamic_pointer_cast<ClsType>(record))
            snapshotTable(lines, QStringLiteral("field of ") + type->Ime, type->Fields->Items());
    snapshotTable(lines, QStringLiteral("orphan field"), doc.tmpFields.values());
    snapshotTable(lines, QStringLiteral("array"), project.Arrays.Items());
    snapshotTable(lines, QStringLiteral("constant"), project.Constants.Items());
    snapshotTable(lines, QStringLiteral("label"), project.Labels.Items());
    snapshotTable(lines, QStringLiteral("include"), project.Includes.Items());
    return lines;
}

void ParsedDocumentsTest::SetUp() {
    KorvoTest::SetUp();
    QDir(home()).mkpath(QStringLiteral("conf"));
    const QString listing = homeFile(QStringLiteral("conf/Test.lng"));
    writeAll(listing, keywordFileText(kStatementKeywords));
    useKeywordFile(listing);
}

void ParsedDocumentsTest::TearDown() {
    while (!docs.empty()) {
        CloseSingleFileDocument(std::move(docs.back()));
        docs.pop_back();
    }
    KorvoTest::TearDown();
}

void ParsedDocumentsTest::useKeywordFile(const QString& path) {
    compiler_ = std::make_unique<ClsCompiler>();
    compiler_->Name = QStringLiteral("Test");
    ASSERT_TRUE(compiler_->LoadKeywordsFrom(path));
    compiler_->SetDefaultKeywords();
}

frmDoc& ParsedDocumentsTest::parse(const QByteArray& text, const QString& name) {
    docs.push_back(OpenSingleFileDocument(homeFile(name), text));
    ParseFile();
    return *docs.back();
}

frmDoc& ParsedDocumentsTest::parseInProjectOf(frmDoc& first, const QByteArray& text, const QString& name) {
    auto doc = std::make_unique<frmDoc>();
    SciLoadText(doc->SciEdi_WndData, text);
    doc->FullFilename = homeFile(name);
    doc->PrjName = first.PrjName;
    doc->PrjFullPath = first.PrjFullPath;
    docs.push_back(std::move(doc));
    makeCurrent(*docs.back());
    docs.back()->Initialise(name);
    ParseFile();
    return *docs.back();
}

void ParsedDocumentsTest::makeCurrent(frmDoc& doc) {
    ActivateDocument(&doc);
}

void ParsedDocumentsTest::typeLinesAt(int line, const QByteArray& text) {
    const long added = text.count('\n');
    SciInsertText(SciPositionFromLine(line), text);
    for (int i = line; i < line + added; ++i)
        Parseline(i, false);
}

CodeModel& ParsedDocumentsTest::project() const {
    return gActiveProject->Model;
}

QByteArray ParsedDocumentsTest::documentText() const {
    return SciGetAllText(gSciWndData);
}

QByteArray ParsedDocumentsTest::lineText(int line) const {
    return SciGetLineText(line);
}

long ParsedDocumentsTest::markers(int line) const {
    return SciMarkerGet(line);
}

int ParsedDocumentsTest::foldLevel(int line) const {
    return static_cast<int>(SciGetFoldLevel(line));
}

int ParsedDocumentsTest::indentation(int line) const {
    return static_cast<int>(SciGetLineIndentation(line));
}

int ParsedDocumentsTest::styleAt(long position) const {
    return static_cast<int>(SciGetStyleAt(position));
}

long ParsedDocumentsTest::lineOf(const CodeRecord& record) const {
    return SciMarkerLineFromHandle(record.SciWndData, record.Handle);
}

QString ParsedDocumentsTest::errorLog() const {
    return QString::fromLatin1(readAll(platform::programFolder() + QStringLiteral("/error.log")));
}
