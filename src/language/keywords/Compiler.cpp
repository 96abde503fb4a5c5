#include "language/keywords/Compiler.h"

#include "foundation/errors/ErrorLog.h"
#include "foundation/FileHelpers.h"
#include "language/keywords/ActiveKeywords.h"
#include "language/keywords/KeywordLine.h"
#include "platform/AnsiText.h"
#include "platform/KorvoError.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompt.h"

#include <QFileInfo>
#include <QStringTokenizer>

namespace {

struct BlockKeyword {
    const char* name;
    bool start;
    bool end;
};

// Every block keyword is a scope word; these open or close a block.
constexpr BlockKeyword kBlockKeywords[] = {
    {"Field", false, false}, {"For", true, false},     {"Next", false, true},   {"While", true, false},
    {"Wend", false, true},   {"Repeat", true, false},  {"Until", false, true},  {"Forever", false, true},
    {"Type", true, false},   {"Function", true, false}, {"End", false, true},   {"Select", true, false},
    {"Case", true, true},    {"Default", true, true},  {"If", true, false},     {"Then", false, true},
    {"Else", false, true},   {"ElseIf", true, true},   {"EndIf", false, true},
};

void checkIndex(int Index) {
    if (Index < kFirstKeywordCode || Index > kLastKeywordCode)
        RaiseError(ErrSubscriptOutOfRange, QStringLiteral("Subscript out of range"));
}

}

QString KeywordFilePath(const QString& compilerName) {
    return FixDoubleBackslash(platform::programSubfolder(QStringLiteral("conf")) + QLatin1Char('/') + compilerName + QStringLiteral(".lng"));
}

ClsCompiler::ClsCompiler() {
    for (auto& table : tables_)
        table = std::make_shared<KeywordTable>();
}

KeywordTable& ClsCompiler::bbFunkcija(int Index) {
    checkIndex(Index);
    return *tables_[Index - kFirstKeywordCode];
}

void ClsCompiler::bbFunkcija(int Index, KeywordPtr Record) {
    const QString name = Record->Ime;
    bbFunkcija(Index).Add(name, std::move(Record));
}

bool ClsCompiler::SetDefaultKeywords() {
    const bool loaded = KeywordsLoaded || LoadKeywords();
    for (int code = kFirstKeywordCode; code <= kLastKeywordCode; ++code)
        gKeywords.Set(code, tables_[code - kFirstKeywordCode]);
    return loaded;
}

bool ClsCompiler::LoadKeywords() {
    return LoadKeywordsFrom(KeywordFilePath(Name));
}

void ClsCompiler::clearTables() {
    for (auto& table : tables_)
        table->RemoveAll();
}

bool ClsCompiler::LoadKeywordsFrom(const QString& path) {
    clearTables();

    const QFileInfo file(path);
    if (!file.isFile()) {
        platform::MsgBox(QStringLiteral("Cannot load keywords file for compiler ") + Name + QStringLiteral(" !\r\n  Please Refresh Definitions for this compiler..."),
                         platform::vbExclamation | platform::vbOKOnly);
        return false;
    }
    if (file.size() <= kSmallestInvalidKeywordFile) {
        platform::MsgBox(QStringLiteral("Invalid Keywords file for this compiler!"), platform::vbExclamation | platform::vbOKOnly);
        return false;
    }

    return loadListing([&path] {
        QByteArray bytes;
        if (!platform::readFileBytes(path, bytes))
            RaiseError(ErrPathFileAccess, platform::fileReadFailure(path));
        return bytes;
    });
}

bool ClsCompiler::LoadKeywordsFromText(const QByteArray& listing) {
    clearTables();
    return loadListing([&listing] { return listing; });
}

bool ClsCompiler::loadListing(const std::function<QByteArray()>& listing) {
    try {
        readListing(listing());
        markBlockKeywords();
        KeywordsLoaded = true;
        if (KeywordPtr floatKeyword = bbFunkcija('F').Item(QStringLiteral("Float")))
            floatKeyword->Tip = 2;
        return true;
    } catch (...) {
        SetErrorLog(QStringLiteral("LoadKeywords"), QStringLiteral("ClsCompiler"));
        return false;
    }
}

void ClsCompiler::readListing(const QByteArray& bytes) {
    const QString text = platform::fromAnsi(bytes);
    for (const QStringView raw : QStringTokenizer(text, QLatin1Char('\n'))) {
        QString line = raw.toString();
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        // A blank line holds no keyword; the lines after it still count.
        if (TrimBlanks(line).isEmpty())
            continue;
        KeywordPtr record = ReadKeywordLine(line);
        const int code = KeywordTableCode(record->Ime);
        if (code < 0)
            RaiseError(ErrInvalidProcedureCall, QStringLiteral("Keyword without a table: ") + record->Ime);
        bbFunkcija(code, record);
    }
}

void ClsCompiler::markBlockKeywords() {
    for (const BlockKeyword& block : kBlockKeywords) {
        const QString name = QString::fromLatin1(block.name);
        KeywordPtr keyword = bbFunkcija(KeywordTableCode(name)).Item(name);
        if (!keyword)
            RaiseError(ErrInvalidProcedureCall, QStringLiteral("Block keyword missing: ") + name);
        keyword->IsScope = true;
        if (block.start)
            keyword->IsStartScope = true;
        if (block.end)
            keyword->IsEndScope = true;
    }
}
