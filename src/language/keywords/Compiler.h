#pragma once

#include "language/keywords/KeywordTable.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>

// One compiler installation and the keywords its compiler knows, read from
// conf/<Name>.lng in the program folder.
class ClsCompiler {
public:
    ClsCompiler();

    QString Name;
    QString Path;
    QString HelpPath;
    bool RealConsole = false;
    bool KeywordsLoaded = false;

    // The table of first-character code Index (60..127); error 9 otherwise.
    KeywordTable& bbFunkcija(int Index);
    void bbFunkcija(int Index, KeywordPtr Record);

    // Makes these tables the active keywords, loading them on first use.
    // False when loading failed.
    bool SetDefaultKeywords();
    // (Re)reads the keyword file into the same tables.
    bool LoadKeywords();
    // The same from a keyword file given by its path.
    bool LoadKeywordsFrom(const QString& path);
    // The same from the text of a listing, whatever its size.
    bool LoadKeywordsFromText(const QByteArray& listing);

private:
    void clearTables();
    // Reads the listing that listing() returns; false, logged, on an error.
    bool loadListing(const std::function<QByteArray()>& listing);
    void readListing(const QByteArray& bytes);
    void markBlockKeywords();

    std::array<std::shared_ptr<KeywordTable>, kKeywordTableCount> tables_;
};

using CompilerPtr = std::shared_ptr<ClsCompiler>;

// conf/<name>.lng in the program folder.
QString KeywordFilePath(const QString& compilerName);

// A keyword file must be larger than this to be taken: a smaller one is
// taken for a listing that the compiler did not finish.
constexpr qint64 kSmallestInvalidKeywordFile = 2999;
