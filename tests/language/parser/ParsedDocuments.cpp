#include "language/parser/ParsedDocuments.h"

#include "editor/ActiveDocument.h"
#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "files/Project.h"
#include "language/editing/NotificationHandler.h"
#include "language/keywords/KeywordFiles.h"
#include "language/lexer/InitScintillaAndCharTables.h"
#include "language/model/DeclarationRecords.h"
#include "language/parser/DocumentPasses.h"
#include "language/parser/Parser.h"
#include "language/parser/ParseState.h"
#include "platform/AnsiText.h"
#include "platform/ProgramFolder.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "vocabulary/SettingsValues.h"



namespace {

const QStringList kStatementKeywords = {
    "Global", "Local", "Dim", "Const", "Include", "Stop", "Print", "Goto", "Gosub", "Return", "Exit",
    "New", "Each", "Data", "True", "False", "Null", "Str", "Int", "Float", "And", "Or", "Not", "Mod",
    "Step", "To", "Insert", "Delete", "First", "Last", "Before", "After", "Object", "Handle", "Pi",
};

}

void ParsedDocumentsTest::SetUp() {
    KorvoTest::SetUp();
    useKeywords(keywordFileText(kStatementKeywords, 0));
}

void ParsedDocumentsTest::TearDown() {
    while (!docs.empty())
        docs.pop_back();
    KorvoTest::TearDown();
}

void ParsedDocumentsTest::useKeywords(const QByteArray& listing) {
    compiler_ = std::make_unique<ClsCompiler>();
    compiler_->Name = QStringLiteral("Test");
    ASSERT_TRUE(compiler_->LoadKeywordsFromText(listing));
    compiler_->SetDefaultKeywords();
}

void ParsedDocumentsTest::useKeywordFile(const QString& path) {
    QByteArray listing;
    ASSERT_TRUE(platform::readFileBytes(path, listing));
    useKeywords(listing);
}

frmDoc& ParsedDocumentsTest::parse(const QByteArray& text, const QString& name) {
    docs.push_back(OpenSourceText(homeFile(name), text));
    if (!docs.back())
        throw std::runtime_error("the document did not open");
    // The tests play the notification handler's part (typeLinesAt) or call
    // SubClass themselves.
    docs.back()->m_oSubclass->UnSubClass();
    return *docs.back();
}

frmDoc& ParsedDocumentsTest::parseInProjectOf(frmDoc& first, const QByteArray& text, const QString& name) {
    OpenedDocument doc(new frmDoc);
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
